// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ReferenceClient.h"
#include "ServiceProcess.h"
#include "TestServices.h"
#include "api/Endpoints.h"
#include "chats/ChatDetailsVC.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTest>

using ReferenceClient::await;

// Hundreds of messages written by both sides within one second reach an open conversation
// exactly once and in the order they were sent, paging back from the newest and polling
// forward, against the reference service.
class TestChatEndToEnd : public QObject {
    Q_OBJECT

    TestServices m_services;

    ServiceProcess m_service{{QStringLiteral("--no-demo")}};

    // Sends count messages alternating between the two and dates them all in one second, as
    // if they had been written at once; their ids in the order sent.
    QList<QUuid> converse(const QUuid &chat, NetworkService &one, NetworkService &other,
                          int count) {
        QList<QUuid> ids;
        for (int i = 0; i < count; ++i) {
            const auto sent = await<SendMessageResponse>([&](auto done) {
                Endpoints::sendMessage(chat, QString::number(i), QUuid::createUuid(), done,
                                       i % 3 ? one : other);
            });
            if (!sent || !sent->ok() || !sent->value().id)
                return {};
            ids.append(*sent->value().id);
        }
        bool dated = false;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("chat-e2e"));
            db.setDatabaseName(m_service.databasePath());
            dated = db.open() && QSqlQuery(db).exec(
                                     QStringLiteral("UPDATE messages SET created_at = 1700000000"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("chat-e2e"));
        return dated ? ids : QList<QUuid>();
    }

    static QList<QUuid> shown(const ChatDetailsVC &screen) {
        QList<QUuid> ids;
        for (const Message &m : screen.messages())
            ids.append(m.id.value_or(QUuid()));
        return ids;
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(m_service.start(), qPrintable(m_service.output()));
    }

    void messagesSharingOneSecondArriveOnceBothWays() {
        const QUuid meId = QUuid::createUuid();
        const QUuid peerId = QUuid::createUuid();
        const std::unique_ptr<NetworkService> me =
            ReferenceClient::registeredPerson(m_service, meId);
        const std::unique_ptr<NetworkService> peer =
            ReferenceClient::registeredPerson(m_service, peerId);
        QVERIFY2(me && peer, qPrintable(m_service.output()));
        for (auto [from, to] : {std::pair{me.get(), peerId}, std::pair{peer.get(), meId}}) {
            const auto swiped = await<SwipeResponse>([&](auto done) {
                Endpoints::swipeFromFeed(WireFormat::uuidText(to), SwipeType::right, {}, done,
                                         *from);
            });
            QVERIFY(swiped && swiped->ok());
        }
        const auto chats =
            await<QList<Match>>([&](auto done) { Endpoints::chats(1, 20, done, *me); });
        QVERIFY(chats && chats->ok() && chats->value().size() == 1);
        const QList<QUuid> history = converse(chats->value().first().chatID, *me, *peer, 230);
        QCOMPARE(history.size(), 230);
        // The list shows the newest message, where the conversation starts.
        const auto listed =
            await<QList<Match>>([&](auto done) { Endpoints::chats(1, 20, done, *me); });
        QVERIFY(listed && listed->ok());
        const Match match = listed->value().first();
        QCOMPARE(match.messages.size(), 1);
        ChatDetailsVC screen(match, m_services.services().setNetwork(*me));
        screen.loadViewIfNeeded();
        for (int page = 0; page < 10 && screen.hasMoreOlderMessages(); ++page) {
            screen.didScroll(0);
            QTRY_VERIFY(!screen.isLoadingOlderMessages());
        }
        QCOMPARE(shown(screen), history);

        const QList<QUuid> later = converse(match.chatID, *peer, *me, 120);
        QCOMPARE(later.size(), 120);
        for (int poll = 0; poll < 10 && screen.messages().size() < 350; ++poll) {
            const qsizetype before = screen.messages().size();
            screen.pollNewer();
            QTRY_VERIFY(screen.messages().size() > before);
        }
        QCOMPARE(shown(screen), history + later);
    }
};

QTEST_MAIN(TestChatEndToEnd)
#include "tst_chat_e2e.moc"
