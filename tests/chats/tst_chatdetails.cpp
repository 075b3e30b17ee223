// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ChatTestData.h"
#include "FakeService.h"
#include "StdoutCapture.h"
#include "TestServices.h"
#include "api/NetworkService.h"
#include "api/WireFormat.h"
#include "app/AppScreens.h"
#include "chats/ChatDetailsVC.h"
#include "details/UserInfoVC.h"
#include "store/UnsentMessages.h"
#include "store/UserManager.h"
#include "ui/ChoiceAlertVC.h"
#include "ui/NavigationContainer.h"
#include "ui/Window.h"

#include <QJsonDocument>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ChatTestData;

namespace {
const QUuid me = numbered(9, 1);
const QUuid other = numbered(4, 1);
const QString chatPath = QStringLiteral("chats/00000002-0000-4000-8000-000000000001/messages/");
} // namespace

class TestChatDetails : public QObject {
    Q_OBJECT

    TestServices m_services;

    std::unique_ptr<FakeService> m_fake;
    std::unique_ptr<NetworkService> m_network;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UnsentMessages> m_unsent;

    Services services() const {
        return m_services.services().setNetwork(*m_network).setUnsentMessages(*m_unsent);
    }

    std::unique_ptr<ChatDetailsVC> conversation(const QList<Message> &messages) {
        Match m = match(1);
        m.messages = messages;
        auto screen = std::make_unique<ChatDetailsVC>(m, services());
        screen->loadViewIfNeeded();
        return screen;
    }

    // The store as the next start of the client reads it from the file.
    void restart() {
        if (m_unsent)
            m_unsent->flush();
        m_unsent = std::make_unique<UnsentMessages>(std::make_unique<QSettings>(
            m_dir->filePath(QStringLiteral("unsent.ini")), QSettings::IniFormat));
    }

    QList<QJsonObject> sent() const {
        QList<QJsonObject> bodies;
        for (const RecordedRequest &request : m_fake->requestsTo(QStringLiteral("sendMessage")))
            bodies.append(request.json());
        return bodies;
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        AppScreens::install(m_services.services().screens());
        User user = UserManager::initialUser();
        user.userID = me.toString(QUuid::WithoutBraces).toUpper();
        m_services.services().user().setCurrentUser(user);
    }

    void init() {
        m_fake = std::make_unique<FakeService>();
        QVERIFY(m_fake->start());
        m_network = m_fake->client();
        m_unsent.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        restart();
    }

    // Opening a new pair's empty conversation asks the service once, which tells it the
    // conversation was seen (its unread mark goes) and shows what came in the meantime.
    void anEmptyConversationAsksOnceWhenOpened() {
        m_fake->respond(chatPath + QStringLiteral("older"), 200,
                        json(QList<Message>{message(1, other, QStringLiteral("Привет!"))}));
        auto screen = conversation({});
        screen->beginAppearance(false);
        screen->endAppearance();
        QTRY_COMPARE(screen->messages().size(), 1);
        const QStringList asked = m_fake->targets(chatPath);
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked.first().startsWith(chatPath + QStringLiteral("older?before=")),
                 qPrintable(asked.first()));
    }

    // A history load that failed while the service was away is tried again on its own, and at
    // once when the service answers a poll: a short conversation has no scroll to ask for it.
    void aFailedHistoryLoadIsTriedAgain() {
        const QList<Message> history{message(1, other, QStringLiteral("Привет!"))};
        for (const bool byPoll : {false, true}) {
            m_fake->respond(chatPath + QStringLiteral("older"), 503, "{}");
            m_fake->respond(chatPath + QStringLiteral("newer"), 503, "{}");
            auto screen = conversation({});
            screen->setRetryDelays(byPoll ? std::chrono::minutes(1) : std::chrono::milliseconds(50),
                                   std::chrono::minutes(1));
            screen->beginAppearance(false);
            screen->endAppearance();
            QTRY_VERIFY(!screen->isLoadingOlderMessages());
            QVERIFY(screen->messages().isEmpty());
            m_fake->respond(chatPath + QStringLiteral("older"), 200, json(history));
            if (byPoll) {
                m_fake->respond(chatPath + QStringLiteral("newer"), 200, "[]");
                screen->pollNewer();
            }
            QTRY_COMPARE_WITH_TIMEOUT(screen->messages().size(), 1, 2000);
        }
    }

    // The poll goes on from the newest message the service gave, not from one sent here, so a
    // reply stored just before the user's message still comes; the copy of what was sent here
    // is not shown twice, and nothing else the service holds is left out, whatever its text.
    void pollAsksAfterTheServicesNewestMessageAndKeepsEveryReply() {
        const Message first = message(1, other, QStringLiteral("Привет"));
        auto screen = conversation({first});
        m_fake->respond(QStringLiteral("sendMessage"), 200, "{}");
        screen->textEdited(QStringLiteral("Как дела?"));
        QVERIFY(screen->returnPressed());
        QCOMPARE(screen->messages().size(), 2);

        const QList<Message> answer = {first, // overlap: already shown
                                       message(3, other, QStringLiteral("Отлично")),
                                       message(4, me, QStringLiteral("Как дела?")), // the echo
                                       message(5, other, QStringLiteral("Отлично"))};
        m_fake->respond(chatPath + QStringLiteral("newer"), 200, json(answer));
        screen->pollNewer();
        QTRY_COMPARE(screen->messages().size(), 4);
        QStringList shown;
        for (const Message &m : screen->messages())
            shown << m.content;
        QCOMPARE(shown, QStringList({QStringLiteral("Привет"), QStringLiteral("Как дела?"),
                                     QStringLiteral("Отлично"), QStringLiteral("Отлично")}));
        QCOMPARE(m_fake->targets(chatPath), QStringList({chatPath + QStringLiteral("newer?after=") +
                                                         WireFormat::dateText(*first.createdAt) +
                                                         QStringLiteral("&lastMessageID=") +
                                                         WireFormat::uuidText(*first.id)}));

        // The next round starts from the newest message of that answer.
        m_fake->respond(chatPath + QStringLiteral("newer"), 200, "[]");
        screen->pollNewer();
        QTRY_COMPARE(m_fake->targets(chatPath).size(), 2);
        QVERIFY(m_fake->targets(chatPath).last().endsWith(QStringLiteral("&lastMessageID=") +
                                                          WireFormat::uuidText(*answer.last().id)));
    }

    void olderPagesAskFromTheFirstMessageUntilOneIsEmpty() {
        auto screen = conversation({message(10, other, QStringLiteral("Десять"))});
        m_fake->respond(chatPath + QStringLiteral("older"), 200,
                        json(QList<Message>{message(7, other, QStringLiteral("Семь")),
                                            message(8, me, QStringLiteral("Восемь"))}));
        screen->didScroll(0);
        screen->didScroll(-5); // already asking
        QTRY_COMPARE(screen->messages().size(), 3);
        QCOMPARE(screen->messages().first().content, QStringLiteral("Семь"));

        m_fake->respond(chatPath + QStringLiteral("older"), 200, "[]");
        screen->didScroll(0);
        QTRY_VERIFY(!screen->hasMoreOlderMessages());
        screen->didScroll(0);
        QTest::qWait(100);
        QCOMPARE(
            m_fake->targets(chatPath),
            QStringList(
                {chatPath + QStringLiteral("older?before=2025-03-01T17:05:19Z") +
                     QStringLiteral("&firstMessageID=") + WireFormat::uuidText(numbered(3, 10)),
                 chatPath + QStringLiteral("older?before=2025-03-01T17:05:16Z") +
                     QStringLiteral("&firstMessageID=") + WireFormat::uuidText(numbered(3, 7))}));
    }

    void textRulesAndAFailedSend() {
        auto screen = conversation({});
        QVERIFY(!screen->sendEnabled());
        screen->textEdited(QString(600, u'а'));
        QCOMPARE(screen->text().size(), 500);
        QVERIFY(screen->sendEnabled());
        screen->textEdited(QStringLiteral("Привет"));
        screen->textEdited(QStringLiteral("Привет  "));
        screen->textEdited(QStringLiteral("При\n\nвет"));
        QCOMPARE(screen->text(), QStringLiteral("Привет"));

        m_fake->respond(QStringLiteral("sendMessage"), 500, R"({"reason":"Сбой","error":true})");
        StdoutCapture log;
        QVERIFY(screen->returnPressed());
        QCOMPARE(screen->text(), QString());
        QVERIFY(!screen->returnPressed());
        QCOMPARE(screen->messages().size(), 1);
        QCOMPARE(screen->messages().last().senderID, me);
        QTRY_VERIFY(screen->messages().last().failed);
        QVERIFY(log.text().contains(u"Ошибка отправки сообщения: Сбой"));
        QCOMPARE(m_fake->requests().last().json().value(u"content").toString(),
                 QStringLiteral("Привет"));
    }

    // A reply polled in while the send was under way does not take the failure mark: the
    // bubble that was not sent does.
    void theFailureMarkGoesToTheMessageThatFailed() {
        const Message first = message(1, other, QStringLiteral("Привет"));
        auto screen = conversation({first});
        m_fake->respondDelayed(QStringLiteral("sendMessage"), std::chrono::milliseconds(400), 500,
                               R"({"reason":"Сбой","error":true})");
        m_fake->respond(chatPath + QStringLiteral("newer"), 200,
                        json(QList<Message>{message(3, other, QStringLiteral("Ты тут?"))}));
        screen->textEdited(QStringLiteral("Да"));
        QVERIFY(screen->returnPressed());
        screen->pollNewer();
        QTRY_COMPARE(screen->messages().size(), 3);
        QTRY_VERIFY(screen->messages().at(1).failed);
        QCOMPARE(screen->messages().at(1).content, QStringLiteral("Да"));
        QVERIFY(!screen->messages().last().failed);
    }

    // A message the service did not confirm is on disk from the moment it is sent: it comes
    // back marked in a reopened conversation and after a restart, in the user's conversation
    // only. An answer that arrives after the screen is gone still clears it.
    void aFailedMessageSurvivesReopeningAndRestarting() {
        const Message first = message(1, other, QStringLiteral("Привет"));
        m_fake->respond(QStringLiteral("sendMessage"), 500, R"({"reason":"Сбой","error":true})");
        auto screen = conversation({first});
        screen->textEdited(QStringLiteral("Как дела?"));
        QVERIFY(screen->returnPressed());
        QTRY_VERIFY(screen->messages().last().failed);
        const Message failed = screen->messages().last();
        screen.reset();

        const auto shownAfter = [&] {
            auto reopened = conversation({first});
            QCOMPARE(reopened->messages().size(), 2);
            QCOMPARE(reopened->messages().last(), failed);
        };
        shownAfter();
        restart();
        shownAfter();
        Match elsewhere = match(2);
        QVERIFY(ChatDetailsVC(elsewhere, services()).messages().isEmpty());

        m_fake->respondDelayed(QStringLiteral("sendMessage"), std::chrono::milliseconds(300), 200,
                               "{}");
        screen = conversation({first});
        screen->textEdited(QStringLiteral("Ты тут?"));
        QVERIFY(screen->returnPressed());
        screen.reset();
        QTRY_COMPARE(m_unsent->of(match(1).chatID, me).size(), 1);
        restart();
        QCOMPARE(conversation({first})->messages().size(), 2);
    }

    // The service stored a message but its answer was lost: sending it again names it as the
    // first send did, so the service keeps one copy, and the conversation, which already shows
    // that copy, shows it once. Deleting forgets a message for good.
    void aFailedMessageIsSentAgainUnderItsIdOrDeleted() {
        m_fake->dropConnection(QStringLiteral("sendMessage"));
        auto screen = conversation({});
        for (const QString &text : {QStringLiteral("Раз"), QStringLiteral("Два")}) {
            screen->textEdited(text);
            QVERIFY(screen->returnPressed());
        }
        QTRY_VERIFY(screen->messages().at(0).failed && screen->messages().at(1).failed);
        const QUuid id = *screen->messages().at(0).id;
        screen.reset();

        const Message stored = message(5, me, QStringLiteral("Раз"));
        m_fake->respond(QStringLiteral("sendMessage"), 200,
                        QJsonDocument(stored.toJson()).toJson(QJsonDocument::Compact));
        screen = conversation({stored});
        QCOMPARE(screen->messages().size(), 3);
        screen->resendTapped(1);
        QVERIFY(!screen->messages().at(1).failed);
        QTRY_COMPARE(screen->messages().size(), 2);
        const QList<QJsonObject> bodies = sent();
        QCOMPARE(bodies.first().value(u"clientMessageID").toString(), WireFormat::uuidText(id));
        QCOMPARE(bodies.last(), bodies.first());
        QSet<QString> ids;
        for (const QJsonObject &body : bodies)
            ids.insert(body.value(u"clientMessageID").toString());
        QCOMPARE(ids.size(), 2);

        screen->deleteTapped(0); // the service's: not the failed bubble's choice
        screen->deleteTapped(1);
        QCOMPARE(screen->messages(), QList<Message>{stored});
        QCOMPARE(sent().size(), bodies.size());
        restart();
        QCOMPARE(conversation({stored})->messages().size(), 1);
    }

    // A message that failed because the service was away goes out on its own once a poll finds
    // the service back, a few times at most; one the service refused waits for the user.
    void aMessageStrandedByAnOutageGoesOutWhenTheServiceIsBack() {
        m_fake->respond(chatPath + QStringLiteral("newer"), 200, "[]");
        m_fake->dropConnection(QStringLiteral("sendMessage"));
        auto screen = conversation({});
        const auto newerAsked = [this] {
            return m_fake->requestsTo(chatPath + QStringLiteral("newer")).size();
        };
        const auto pollAnswered = [&] {
            const qsizetype before = newerAsked();
            screen->pollNewer();
            QTRY_COMPARE(newerAsked(), before + 1);
            QTest::qWait(100);
        };
        screen->textEdited(QStringLiteral("Ты тут?"));
        QVERIFY(screen->returnPressed());
        QTRY_VERIFY(screen->messages().last().failed);
        const qsizetype first = sent().size();

        // Still failing: it goes out again with each answered poll, three times, then waits.
        m_fake->respond(QStringLiteral("sendMessage"), 503, R"({"reason":"Занято","error":true})");
        for (int poll = 0; poll < 5; ++poll)
            pollAnswered();
        QCOMPARE(sent().size(), first + 3);
        QVERIFY(screen->messages().last().failed);

        // Back for good: the next one goes out once the service answers a poll, and stays.
        screen->deleteTapped(0);
        m_fake->dropConnection(QStringLiteral("sendMessage"));
        screen->textEdited(QStringLiteral("Алло"));
        QVERIFY(screen->returnPressed());
        QTRY_VERIFY(screen->messages().last().failed);
        m_fake->respond(QStringLiteral("sendMessage"), 200, "{}");
        pollAnswered();
        QTRY_VERIFY(!screen->messages().last().failed);
        QTRY_VERIFY(m_unsent->of(match(1).chatID, me).isEmpty());

        // Refused: the user decides.
        m_fake->respond(QStringLiteral("sendMessage"), 403,
                        R"({"reason":"Собеседник сейчас недоступен","error":true})");
        screen->textEdited(QStringLiteral("Ау"));
        QVERIFY(screen->returnPressed());
        QTRY_VERIFY(screen->messages().last().failed);
        const qsizetype refused = sent().size();
        pollAnswered();
        QCOMPARE(sent().size(), refused);
        QVERIFY(screen->messages().last().failed);
    }

    void goingBackAnnouncesAndThePollLivesOnScreenOnly() {
        Window window;
        auto *root = new ViewController(QStringLiteral("Root"));
        auto *nav = new NavigationContainer(root);
        window.setRoot(nav);
        Match m = match(1);
        auto *screen = new ChatDetailsVC(m, services());
        const QSignalSpy closed(screen, &ChatDetailsVC::closed);
        nav->push(screen, false);
        QVERIFY(screen->isPolling());
        screen->titleTapped();
        // The person's details, without a feed behind them: the report row only.
        auto *details = qobject_cast<UserInfoVC *>(screen->presentedViewController());
        QVERIFY(details);
        QCOMPARE(details->rows()->rows().last().kind, RowModel::Kind::DestructiveButton);
        QCOMPARE(details->rows()->find(RowModel::Kind::Button), -1);
        QCOMPARE(details->model().userID, m.profile.userID);
        details->dismiss(false);
        QVERIFY(closed.isEmpty());
        screen->backTapped();
        QCOMPARE(closed.size(), 1);
        QVERIFY(!screen->isPolling());
    }

    void removingTheMatchGoesBackOrSaysWhyNot() {
        Window window;
        auto *nav = new NavigationContainer(new ViewController(QStringLiteral("Root")));
        window.setRoot(nav);
        auto *screen = new ChatDetailsVC(match(1), services());
        nav->push(screen, false);
        const auto confirm = [screen] {
            screen->flagButtonTapped();
            auto *alert = qobject_cast<ChoiceAlertVC *>(screen->presentedViewController());
            QVERIFY(alert);
            // Return does not remove a match: only the button does.
            QVERIFY(!alert->handleKey(KeyCommand::Return));
            QCOMPARE(screen->presentedViewController(), alert);
            alert->actionTapped();
        };
        m_fake->respond(QStringLiteral("cancelMatch"), 500, R"({"reason":"Сбой","error":true})");
        confirm();
        QTRY_VERIFY(screen->presentedViewController());
        auto *failure = qobject_cast<ChoiceAlertVC *>(screen->presentedViewController());
        QVERIFY(failure);
        QCOMPARE(failure->message(), QStringLiteral("Сбой"));
        QVERIFY(failure->handleKey(KeyCommand::Return));
        QCOMPARE(m_fake->requests().last().json().value(u"matchID").toString(),
                 QStringLiteral("00000001-0000-4000-8000-000000000001"));

        m_fake->respond(QStringLiteral("cancelMatch"), 200, "{}");
        confirm();
        QTRY_COMPARE(nav->depth(), 1);
    }
};

QTEST_MAIN(TestChatDetails)
#include "tst_chatdetails.moc"
