// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FakeLocation.h"
#include "FakePermission.h"
#include "FaultProxy.h"
#include "ReferenceClient.h"
#include "ServiceProcess.h"
#include "StdoutCapture.h"
#include "TestServices.h"
#include "api/Endpoints.h"
#include "cardstack/SwipeCardStack.h"
#include "chats/ChatDetailsVC.h"
#include "chats/ChatsVC.h"
#include "feed/MainVC.h"
#include "feed/PendingSwipesFormat.h"
#include "feed/SwipeOutbox.h"
#include "likes/LikesVC.h"
#include "store/ChatCashManager.h"
#include "store/UnsentMessages.h"
#include "store/UserManager.h"
#include "ui/AppServices.h"

#include <QMetaProperty>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using ReferenceClient::await;
using Fault = FaultProxy::Fault;

namespace {
constexpr double kLat = 55.0;
constexpr double kLon = 37.0;
// Each request of the client under test gives up after this long.
constexpr std::chrono::milliseconds kDeadline{1500};
// A failure shows within the deadline and the time to hear about it.
constexpr int kShowsWithinMs = int(kDeadline.count()) + 2500;
constexpr auto kRetry = std::chrono::milliseconds(200);

struct Person {
    QString id;
    std::unique_ptr<NetworkService> network;
};

template <class T, class Id> auto idsOf(const QList<T> &items, Id id) {
    QList<std::decay_t<std::invoke_result_t<Id, const T &>>> ids;
    for (const T &item : items)
        ids.append(std::invoke(id, item));
    return ids;
}

QList<QUuid> messageIds(const QList<Message> &messages) {
    return idsOf(messages, [](const Message &message) { return message.id.value_or(QUuid()); });
}

// A screen's texts (and those of anything it presents) never carry the service's own words,
// which the faults wrap in markup.
bool showsServiceText(const QObject &screen) {
    const QMetaObject *meta = screen.metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QVariant value = meta->property(i).read(&screen);
        if (value.typeId() == QMetaType::QString &&
            value.toString().contains(QLatin1String(FaultProxy::marker)))
            return true;
    }
    const auto *controller = qobject_cast<const ViewController *>(&screen);
    return controller && controller->presentedViewController() &&
           showsServiceText(*controller->presentedViewController());
}
} // namespace

// The signed-in client talks to the reference service through a proxy that breaks one call at a
// time in every way a network, a proxy or a failing service does. Whatever the fault, the screen
// shows the failure it shows for any failure within the request's deadline, keeps what it had,
// loses nothing the user made, and works again once the fault is gone.
class TestFaults : public QObject {
    Q_OBJECT

    TestServices m_services;

    ServiceProcess m_service{{QStringLiteral("--no-demo")}};
    std::unique_ptr<FaultProxy> m_proxy;
    QTemporaryDir m_dir;
    Person m_me;
    std::unique_ptr<NetworkService> m_client; // the user's own session, through the proxy
    std::unique_ptr<UserManager> m_users;
    std::map<QString, std::unique_ptr<NetworkService>> m_peers;
    Match m_match; // with the one peer who writes to the user
    std::unique_ptr<NetworkService> m_partner;
    int m_files = 0;

    // A registered person at the common place, signed in straight to the service.
    Person signUp() {
        std::unique_ptr<NetworkService> network = ReferenceClient::registeredPerson(m_service);
        if (!network)
            return {};
        const auto placed = await<EmptyResponse>(
            [&](auto done) { Endpoints::updateGeo(kLat, kLon, done, *network); });
        const auto user = await<User>([&](auto done) { Endpoints::user(done, *network); });
        if (!placed || !placed->ok() || !user || !user->ok())
            return {};
        return {user->value().userID, std::move(network)};
    }

    bool swipe(NetworkService &from, const QString &to, SwipeType type) {
        const auto answer = await<SwipeResponse>(
            [&](auto done) { Endpoints::swipeFromFeed(to, type, {}, done, from); });
        return answer && answer->ok();
    }

    // Somebody new at the common place, who likes the user when asked; empty when that failed.
    QString newPeer(bool likesMe = false) {
        Person person = signUp();
        if (!person.network || (likesMe && !swipe(*person.network, m_me.id, SwipeType::right)))
            return {};
        m_peers.emplace(person.id, std::move(person.network));
        return person.id;
    }

    // Breaks the calls whose path matches in the way the current row asks.
    void breakCalls(const char *path) {
        QFETCH(Fault, fault);
        QFETCH(QString, field);
        m_proxy->inject(QRegularExpression(QString::fromLatin1(path)), fault, field);
    }

    bool say(NetworkService &from, const QString &text) {
        const auto sent = await<SendMessageResponse>([&](auto done) {
            Endpoints::sendMessage(m_match.chatID, text, QUuid::createUuid(), done, from);
        });
        return sent && sent->ok();
    }

    // The user ids the service answers the call with, straight; nothing when the call failed.
    template <class Call> static std::optional<QStringList> people(Call call) {
        const auto answer = await<QList<ProfileView>>(call);
        return answer && answer->ok() ? std::optional(idsOf(answer->value(), &ProfileView::userID))
                                      : std::nullopt;
    }

    std::optional<QList<Match>> matches() {
        const auto answer = await<QList<Match>>(
            [this](auto done) { Endpoints::chats(1, 20, done, *m_me.network); });
        return answer && answer->ok() ? std::optional(answer->value()) : std::nullopt;
    }

    // How many copies of the text the service stored.
    int storedCopies(const QString &text) {
        int copies = -1;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("faults"));
            db.setDatabaseName(m_service.databasePath());
            QSqlQuery query(db);
            if (db.open() &&
                query.prepare(QStringLiteral("SELECT COUNT(*) FROM messages WHERE content = ?"))) {
                query.addBindValue(text);
                if (query.exec() && query.next())
                    copies = query.value(0).toInt();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("faults"));
        return copies;
    }

    std::unique_ptr<QSettings> freshFile() {
        return std::make_unique<QSettings>(
            m_dir.filePath(QStringLiteral("store-%1.ini").arg(++m_files)), QSettings::IniFormat);
    }

    std::unique_ptr<MainVC> makeFeed() {
        auto feed =
            std::make_unique<MainVC>(m_services.services().setUser(*m_users).setNetwork(*m_client));
        feed->loadViewIfNeeded();
        feed->cardStack()->setSize({300, 400});
        feed->setRetryDelays(kRetry, kRetry * 2);
        return feed;
    }

    QList<PendingSwipesFormat::Swipe> pendingSwipes() const {
        return PendingSwipesFormat::decode(
                   m_users->openDefaults()->value(SwipeOutbox::key()).toByteArray())
            .value_or(QList<PendingSwipesFormat::Swipe>());
    }

    // Every fault kind; those that corrupt an answer change `field`.
    static void faultRows(const char *field, bool withHuge) {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("like"); // the swipe made during the fault; passes take turns
        const QMetaEnum kinds = QMetaEnum::fromType<Fault>();
        for (int i = 0; i < kinds.keyCount(); ++i) {
            const auto fault = Fault(kinds.value(i));
            if (fault == Fault::None || (fault == Fault::Huge && !withHuge))
                continue;
            QTest::newRow(kinds.key(i)) << fault << QString::fromLatin1(field) << bool(i % 2);
        }
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_services.services().platform().setLocationService(std::make_unique<FakeLocation>());
        m_services.services().platform().setNotificationPermission(
            std::make_unique<FakePermission>());
        QVERIFY2(m_service.start(), qPrintable(m_service.output()));
        m_proxy = std::make_unique<FaultProxy>(m_service.port());
        QVERIFY(m_proxy->start());

        m_me = signUp();
        Person partner = signUp();
        QVERIFY2(m_me.network && partner.network, qPrintable(m_service.output()));
        m_client = std::make_unique<NetworkService>();
        m_client->setBaseUrl(m_proxy->baseUrl());
        m_client->setPaseto(m_me.network->paseto());
        m_client->setTimeout(kDeadline);
        const auto me = await<User>([this](auto done) { Endpoints::user(done, *m_me.network); });
        QVERIFY(me && me->ok() && me->value().active);
        m_users = std::make_unique<UserManager>(freshFile());
        m_users->setCurrentUser(me->value());

        QVERIFY(swipe(*m_me.network, partner.id, SwipeType::right));
        QVERIFY(swipe(*partner.network, m_me.id, SwipeType::right));
        const auto chats = matches();
        QVERIFY(chats && chats->size() == 1);
        m_match = chats->first();
        m_partner = std::move(partner.network);
        for (const char *text : {"Привет", "Как дела?", "Отлично"})
            QVERIFY(say(*m_partner, QString::fromUtf8(text)));
        QVERIFY(!newPeer().isEmpty()); // whom the feed shows
    }

    void cleanup() { m_proxy->clear(); }

    void feedLoad_data() { faultRows("userID", true); }
    // The feed shows its "nobody found" note, and fills once the service answers again.
    void feedLoad() {
        breakCalls("^/fetchProfiles$");
        auto feed = makeFeed();
        feed->onUserUpdated();
        QTRY_VERIFY_WITH_TIMEOUT(m_proxy->served() > 0 && feed->state() == MainVCState::NoCards,
                                 kShowsWithinMs);
        QVERIFY(!showsServiceText(*feed));

        m_proxy->clear();
        QTRY_VERIFY_WITH_TIMEOUT(feed->state() == MainVCState::DisplayingCards, kShowsWithinMs);
        QVERIFY(!feed->cardData().isEmpty());
    }

    void swipes_data() { faultRows("status", false); }
    // A like or pass the service did not confirm stays in the pending swipes and reaches the
    // service once it answers again.
    void swipes() {
        QVERIFY(!newPeer().isEmpty()); // somebody not swiped yet
        auto feed = makeFeed();
        feed->onUserUpdated();
        QTRY_VERIFY_WITH_TIMEOUT(!feed->cardStack()->visibleCards().isEmpty(), kShowsWithinMs);
        const QString swiped =
            feed->cardData().at(feed->cardStack()->visibleCards().first().index).userID;
        QVERIFY(m_peers.count(swiped));
        NetworkService &them = *m_peers.at(swiped);
        QFETCH(bool, like);
        const SwipeType type = like ? SwipeType::right : SwipeType::left;

        breakCalls("^/swipes$");
        if (like)
            feed->rightPressed();
        else
            feed->leftPressed();
        const PendingSwipesFormat::Swipe made{m_me.id, swiped, type, {}};
        QTRY_VERIFY_WITH_TIMEOUT(m_proxy->served() > 0 && pendingSwipes().contains(made),
                                 kShowsWithinMs);
        QVERIFY(!showsServiceText(*feed));

        m_proxy->clear();
        QTRY_VERIFY_WITH_TIMEOUT(pendingSwipes().isEmpty(), kShowsWithinMs);
        const std::optional<QStringList> feedNow =
            people([this](auto done) { Endpoints::fetchProfiles(done, *m_me.network); });
        QVERIFY2(feedNow && !feedNow->contains(swiped),
                 "the service deals the swiped person again");
        const std::optional<QStringList> admirers =
            people([&them](auto done) { Endpoints::likes(done, them); });
        QVERIFY(admirers);
        QCOMPARE(admirers->contains(m_me.id), like);
    }

    void likesGrid_data() { faultRows("userID", false); }
    // The likes grid keeps the people it showed through a failed refresh, and shows whoever
    // liked the user since once the service answers again.
    void likesGrid() {
        const QString admirer = newPeer(true);
        QVERIFY(!admirer.isEmpty());
        LikesVC likes(m_services.services().setNetwork(*m_client).setUser(*m_users));
        likes.loadViewIfNeeded();
        const auto listed = [&likes] { return idsOf(likes.data(), &CardModel::userID); };
        QTRY_VERIFY_WITH_TIMEOUT(listed().contains(admirer), kShowsWithinMs);
        const QStringList shown = listed();
        const QString later = newPeer(true);
        QVERIFY(!later.isEmpty());

        breakCalls("^/likes$");
        likes.updateData();
        QTRY_VERIFY_WITH_TIMEOUT(m_proxy->served() > 0, kShowsWithinMs);
        // Past the request's deadline, whatever the fault did with the answer.
        QTest::qWait(int(kDeadline.count()) + 300);
        QCOMPARE(listed(), shown);
        QVERIFY(!showsServiceText(likes));

        m_proxy->clear();
        likes.updateData();
        QTRY_VERIFY_WITH_TIMEOUT(listed().contains(later), kShowsWithinMs);
        QVERIFY(listed().contains(admirer));
    }

    void matchesList_data() { faultRows("chatID", false); }
    // The list keeps the matches it had, stops loading, and shows the service's list again
    // once it answers.
    void matchesList() {
        const std::optional<QList<Match>> before = matches();
        QVERIFY(before && !before->isEmpty());
        ChatCashManager saved(freshFile());
        saved.save(*before);
        const QString news = QStringLiteral("Новости %1").arg(QTest::currentDataTag());
        QVERIFY(say(*m_partner, news));

        breakCalls("^/chats$");
        ChatsVC list(
            m_services.services().setNetwork(*m_client).setSavedMatches(saved).setUser(*m_users));
        list.loadViewIfNeeded();
        QTRY_VERIFY_WITH_TIMEOUT(m_proxy->served() > 0 && !list.isLoading(), kShowsWithinMs);
        QCOMPARE(idsOf(list.data(), &Match::chatID), idsOf(*before, &Match::chatID));
        QVERIFY(!list.tableHidden());
        QVERIFY(!showsServiceText(list));

        m_proxy->clear();
        list.refresh();
        QTRY_VERIFY_WITH_TIMEOUT(!list.data().isEmpty() &&
                                     !list.data().first().messages.isEmpty() &&
                                     list.data().first().messages.last().content == news,
                                 kShowsWithinMs);
    }

    void conversation_data() { faultRows("content", false); }
    // The open conversation keeps its messages through failed polls and pages, and the ones
    // it missed come exactly once after.
    void conversation() {
        const std::optional<QList<Match>> listed = matches();
        QVERIFY(listed && listed->size() == 1);
        UnsentMessages unsent(freshFile());
        ChatDetailsVC chat(
            listed->first(),
            m_services.services().setNetwork(*m_client).setUser(*m_users).setUnsentMessages(
                unsent));
        chat.loadViewIfNeeded();
        const QList<QUuid> shown = messageIds(chat.messages());
        QVERIFY(!shown.isEmpty());
        const QString missed = QStringLiteral("Пропущено %1").arg(QTest::currentDataTag());
        QVERIFY(say(*m_partner, missed));

        StdoutCapture out;
        breakCalls("^/chats/[^/]+/messages/(newer|older)$");
        chat.pollNewer();
        chat.didScroll(0);
        QVERIFY(chat.isLoadingOlderMessages());
        QTRY_VERIFY_WITH_TIMEOUT(m_proxy->served() >= 2 && !chat.isLoadingOlderMessages() &&
                                     out.text().contains(u"Ошибка загрузки новых сообщений"),
                                 kShowsWithinMs);
        QCOMPARE(messageIds(chat.messages()), shown);
        QVERIFY(!showsServiceText(chat));

        m_proxy->clear();
        chat.pollNewer();
        QTRY_VERIFY_WITH_TIMEOUT(chat.messages().last().content == missed, kShowsWithinMs);
        chat.didScroll(0);
        QTRY_VERIFY_WITH_TIMEOUT(chat.messages().size() > shown.size() + 1, kShowsWithinMs);
        const QList<QUuid> now = messageIds(chat.messages());
        QCOMPARE(QSet<QUuid>(now.cbegin(), now.cend()).size(), now.size());
        QCOMPARE(chat.messages().last().content, missed);
    }

    void sendMessage_data() { faultRows("id", true); }
    // A message sent during the fault keeps its failed mark, is still there when the
    // conversation opens again in a new run, and is stored exactly once when sent again.
    void sendMessage() {
        const QString file = m_dir.filePath(QStringLiteral("unsent-%1.ini").arg(++m_files));
        const QString text = QStringLiteral("Во время сбоя %1").arg(QTest::currentDataTag());
        const auto failedRow = [&text](const ChatDetailsVC &chat) {
            const QList<Message> &all = chat.messages();
            for (qsizetype row = 0; row < all.size(); ++row)
                if (all.at(row).content == text)
                    return all.at(row).failed ? int(row) : -2;
            return -1;
        };
        breakCalls("^/sendMessage$");
        {
            UnsentMessages unsent(std::make_unique<QSettings>(file, QSettings::IniFormat));
            ChatDetailsVC chat(
                m_match,
                m_services.services().setNetwork(*m_client).setUser(*m_users).setUnsentMessages(
                    unsent));
            chat.loadViewIfNeeded();
            chat.textEdited(text);
            QVERIFY(chat.returnPressed());
            QTRY_VERIFY_WITH_TIMEOUT(m_proxy->served() > 0 && failedRow(chat) >= 0, kShowsWithinMs);
            QVERIFY(!showsServiceText(chat));
            unsent.flush();
        }

        UnsentMessages unsent(std::make_unique<QSettings>(file, QSettings::IniFormat));
        ChatDetailsVC chat(
            m_match,
            m_services.services().setNetwork(*m_client).setUser(*m_users).setUnsentMessages(
                unsent));
        chat.loadViewIfNeeded();
        const int row = failedRow(chat);
        QVERIFY2(row >= 0, "the failed message is gone after reopening the conversation");
        m_proxy->clear();
        chat.resendTapped(row);
        QTRY_VERIFY_WITH_TIMEOUT(
            failedRow(chat) == -2 &&
                unsent.of(m_match.chatID, WireFormat::parseUuid(m_me.id).value_or(QUuid()))
                    .isEmpty(),
            kShowsWithinMs);
        QCOMPARE(storedCopies(text), 1);
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
