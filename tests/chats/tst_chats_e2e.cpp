#include "ChatCashManager.h"
#include "ChatDetailsVC.h"
#include "ChatsVC.h"
#include "Endpoints.h"
#include "FileSecretBackend.h"
#include "NavigationContainer.h"
#include "NotificationCenter.h"
#include "SecureStore.h"
#include "ServiceProcess.h"
#include "StartVC.h"
#include "UserManager.h"
#include "Window.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// A new user likes a demo person of the reference service, finds the match in the list, writes
// to them and sees their answer arrive through the conversation's poll.
class TestChatsEndToEnd : public QObject {
    Q_OBJECT

    // The demo person answers in a later second than the message: within one second the service
    // orders messages by id, and the id of a message just composed here is random.
    ServiceProcess m_service{{QStringLiteral("--demo"), QStringLiteral("--like-back"),
                              QStringLiteral("1"), QStringLiteral("--demo-delay"),
                              QStringLiteral("1500"), QStringLiteral("--seed-demo"),
                              QStringLiteral("4"), QStringLiteral("--near"),
                              QStringLiteral("55.0,37.0"), QStringLiteral("--serve")}};
    QTemporaryDir m_dir;

    template <class T, class Call> static std::optional<Result<T>> await(Call call) {
        std::optional<Result<T>> answer;
        call([&answer](const Result<T> &result) { answer = result; });
        QTest::qWaitFor([&answer] { return answer.has_value(); }, 15000);
        return answer;
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(m_service.start(), qPrintable(m_service.output()));
        NetworkService::shared().setBaseUrl(m_service.baseUrl());
        SecureStore::shared().replaceBackend(
            std::make_unique<FileSecretBackend>(m_dir.filePath(QStringLiteral("store.json"))));
    }

    void likedDemoPersonAnswersInTheConversation() {
        Window window;
        auto *start = new StartVC();
        window.setRoot(start);
        start->loginButtonTapped();
        QVERIFY2(QTest::qWaitFor([start] { return start->presentedViewController(); }, 15000),
                 qPrintable(m_service.output()));

        const auto registered = await<EmptyResponse>([](auto done) {
            Endpoints::completeRegistration({QStringLiteral("Привет"), QStringLiteral("Тест"),
                                             QStringLiteral("01021995"), GenderSelection::man,
                                             GenderSelection::all},
                                            done);
        });
        QVERIFY(registered && registered->ok());
        QVERIFY(
            await<EmptyResponse>([](auto done) { Endpoints::updateGeo(55.0, 37.0, done); })->ok());
        const auto user = await<User>([](auto done) { Endpoints::user(done); });
        QVERIFY(user && user->ok());
        UserManager::shared().setCurrentUser(user->value());

        const auto people =
            await<QList<ProfileView>>([](auto done) { Endpoints::fetchProfiles(done); });
        QVERIFY(people && people->ok() && !people->value().isEmpty());
        // Demo people like back; whoever else is near does not, so like them all.
        for (const ProfileView &person : people->value())
            QVERIFY(await<SwipeResponse>([&person](auto done) {
                        Endpoints::swipeFromFeed(person.userID, SwipeType::right, {}, done);
                    })->ok());

        ChatCashManager cache(std::make_unique<QSettings>(
            m_dir.filePath(QStringLiteral("defaults.ini")), QSettings::IniFormat));
        auto *list = new ChatsVC(cache, NetworkService::shared());
        auto *nav = new NavigationContainer(list);
        window.setRoot(nav);
        QVERIFY(QTest::qWaitFor(
            [list] {
                NotificationCenter::shared().post(Notifications::chatsUpdated);
                QTest::qWait(300);
                return !list->data().isEmpty();
            },
            15000));
        QVERIFY(std::any_of(people->value().cbegin(), people->value().cend(),
                            [list](const ProfileView &person) {
                                return person.userID == list->data().first().profile.userID;
                            }));

        list->selectRow(0);
        auto *conversation = qobject_cast<ChatDetailsVC *>(nav->topViewController());
        QVERIFY(conversation && conversation->isPolling());
        conversation->textEdited(QStringLiteral("Привет! Как дела?"));
        QVERIFY(conversation->returnPressed());
        const QString ownID = user->value().userID;
        QVERIFY2(QTest::qWaitFor(
                     [conversation, &ownID] {
                         const QList<Message> &shown = conversation->messages();
                         return std::any_of(shown.cbegin(), shown.cend(), [&](const Message &m) {
                             return WireFormat::uuidText(m.senderID) != ownID;
                         });
                     },
                     10000),
                 qPrintable(m_service.output()));
        QVERIFY(!conversation->messages().first().failed);
    }
};

QTEST_MAIN(TestChatsEndToEnd)
#include "tst_chats_e2e.moc"
