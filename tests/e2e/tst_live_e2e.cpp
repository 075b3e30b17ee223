// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "PostgresCluster.h"
#include "ReferenceClient.h"
#include "ServiceProcess.h"
#include "TestServices.h"
#include "api/Endpoints.h"
#include "api/EventChannel.h"
#include "chats/ChatDetailsVC.h"
#include "chats/ChatsVC.h"

#include <QStandardPaths>
#include <QTest>

using ReferenceClient::await;
using namespace std::chrono_literals;

// Live events against the reference service: what one person does shows on the other's
// screens at once, although those screens poll only once a minute while the channel is open;
// without the service they go back to polling, and nothing sent meanwhile is missed. On
// PostgreSQL the two people use two processes of the service, so every event crosses between
// them.
class TestLiveEndToEnd : public QObject {
    Q_OBJECT

    TestServices m_services;

    struct Person {
        QUuid id = QUuid::createUuid();
        std::unique_ptr<NetworkService> network;
        std::unique_ptr<EventChannel> events;

        [[nodiscard]] Services services(const TestServices &base) const {
            return base.services().setNetwork(*network).setEvents(*events);
        }
    };

    static Person person(const ServiceProcess &service) {
        Person p;
        p.network = ReferenceClient::registeredPerson(service, p.id);
        if (!p.network)
            return p;
        p.events = std::make_unique<EventChannel>(*p.network);
        p.events->setDelays(100ms, 400ms, 30s);
        p.events->open();
        return p;
    }

    static bool like(const Person &from, const Person &to) {
        const auto swiped = await<SwipeResponse>([&](auto done) {
            Endpoints::swipeFromFeed(WireFormat::uuidText(to.id), SwipeType::right, {}, done,
                                     *from.network);
        });
        return swiped && swiped->ok();
    }

    static bool send(const Person &from, const QUuid &chat, const QString &text) {
        const auto sent = await<SendMessageResponse>([&](auto done) {
            Endpoints::sendMessage(chat, text, QUuid::createUuid(), done, *from.network);
        });
        return sent && sent->ok();
    }

    static QStringList texts(const ChatDetailsVC &screen) {
        QStringList list;
        for (const Message &m : screen.messages())
            list.append(m.content);
        return list;
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void matchesAndMessagesArriveLiveAndNothingIsMissedWithoutTheService_data() {
        QTest::addColumn<bool>("postgres");
        QTest::newRow("sqlite") << false;
        QTest::newRow("postgres, two processes") << true;
    }
    void matchesAndMessagesArriveLiveAndNothingIsMissedWithoutTheService() {
        QFETCH(bool, postgres);
        std::unique_ptr<PostgresCluster> cluster;
        QStringList arguments{QStringLiteral("--no-demo")};
        if (postgres) {
            cluster = std::make_unique<PostgresCluster>();
            QVERIFY2(cluster->error().isEmpty(), qPrintable(cluster->error()));
            arguments += {QStringLiteral("--database"), cluster->url()};
        }
        ServiceProcess first(arguments);
        QVERIFY2(first.start(), qPrintable(first.output()));
        ServiceProcess second(arguments);
        QVERIFY2(!postgres || second.start(), qPrintable(second.output()));
        // B's service: the one it stays on, and the one that goes away and comes back.
        ServiceProcess &service = postgres ? second : first;
        const Person a = person(first);
        const Person b = person(service);
        QVERIFY2(a.network && b.network, qPrintable(first.output() + second.output()));
        QTRY_VERIFY(a.events->isLive() && b.events->isLive());

        // Both lists show the new pair long before their one-minute safety poll.
        ChatsVC aChats(a.services(m_services));
        ChatsVC bChats(b.services(m_services));
        aChats.loadViewIfNeeded();
        bChats.loadViewIfNeeded();
        QTRY_VERIFY(!aChats.isLoading() && !bChats.isLoading());
        QVERIFY(like(a, b) && like(b, a));
        QTRY_COMPARE_WITH_TIMEOUT(aChats.data().size(), 1, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(bChats.data().size(), 1, 5000);
        const Match match = bChats.data().first();

        ChatDetailsVC screen(match, b.services(m_services));
        screen.loadViewIfNeeded();
        screen.beginAppearance(false);
        screen.endAppearance();
        QVERIFY(screen.isPolling());
        QVERIFY(send(a, match.chatID, QStringLiteral("раз")));
        QTRY_COMPARE_WITH_TIMEOUT(texts(screen), QStringList{QStringLiteral("раз")}, 5000);

        // B's service goes; what is sent while it is away (through A's, when that is another)
        // or once it is back reaches the open conversation, by polling until the channel is
        // open again, and by events after that.
        service.stop();
        QTRY_VERIFY(!b.events->isLive());
        if (postgres)
            QVERIFY(send(a, match.chatID, QStringLiteral("два")));
        QVERIFY2(service.start(), qPrintable(service.output()));
        if (!postgres)
            QVERIFY(send(a, match.chatID, QStringLiteral("два")));
        QTRY_COMPARE_WITH_TIMEOUT(texts(screen), (QStringList{"раз", "два"}), 8000);
        QTRY_VERIFY_WITH_TIMEOUT(b.events->isLive(), 8000);
        QVERIFY(send(a, match.chatID, QStringLiteral("три")));
        QTRY_COMPARE_WITH_TIMEOUT(texts(screen), (QStringList{"раз", "два", "три"}), 5000);
    }
};

QTEST_MAIN(TestLiveEndToEnd)
#include "tst_live_e2e.moc"
