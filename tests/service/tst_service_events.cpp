// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ApiServer.h"
#include "Database.h"
#include "EventBus.h"
#include "EventHub.h"
#include "ServiceContext.h"
#include "ServiceHarness.h"

#include <QJsonDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>

namespace {

// An event channel as a client holds one, keeping every event it hears.
class Listener {
public:
    Listener(quint16 port, const QString &token) {
        QObject::connect(&socket, &QWebSocket::textMessageReceived, &socket,
                         [this](const QString &text) {
                             events.append(QJsonDocument::fromJson(text.toUtf8()).object());
                         });
        QNetworkRequest request(QUrl(QStringLiteral("ws://127.0.0.1:%1/events").arg(port)));
        request.setRawHeader("auth", "bear " + token.toUtf8());
        socket.open(request);
    }
    [[nodiscard]] bool opened() {
        return QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::ConnectedState; },
                               5000);
    }
    [[nodiscard]] bool closed() {
        return QTest::qWaitFor(
            [this] { return socket.state() == QAbstractSocket::UnconnectedState; }, 5000);
    }
    [[nodiscard]] QStringList types() const {
        QStringList list;
        for (const QJsonObject &event : events)
            list.append(event.value("type").toString());
        return list;
    }

    QWebSocket socket;
    QList<QJsonObject> events;
};

// An upgrade request written by hand, so the answer is seen as it comes off the wire.
class RawUpgrade {
public:
    RawUpgrade(quint16 port, const QByteArray &requestLine, const QByteArray &auth,
               const QByteArray &protocol = "websocket") {
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.write(requestLine + "\r\nHost: 127.0.0.1\r\nUpgrade: " + protocol +
                     "\r\nConnection: Upgrade\r\n"
                     "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                     "Sec-WebSocket-Version: 13\r\n" +
                     (auth.isEmpty() ? QByteArray() : "auth: " + auth + "\r\n") + "\r\n");
    }
    // The status line of the answer.
    [[nodiscard]] QByteArray status() {
        (void)QTest::qWaitFor(
            [this] {
                answer += socket.readAll();
                return answer.contains("\r\n") ||
                       socket.state() == QAbstractSocket::UnconnectedState;
            },
            5000);
        return answer.left(answer.indexOf("\r\n"));
    }

    QTcpSocket socket;
    QByteArray answer;
};

// A frame as a client must send it: masked, here with a fixed key.
QByteArray clientFrame(quint8 first, const QByteArray &payload) {
    const QByteArray key("\x12\x34\x56\x78", 4);
    QByteArray frame;
    frame.append(char(first)).append(char(0x80 | payload.size())).append(key);
    for (qsizetype i = 0; i < payload.size(); ++i)
        frame.append(char(payload[i] ^ key[i % 4]));
    return frame;
}

struct Pair {
    QString a, b, ta, tb;
};

Pair twoPeople(ServiceHarness &service) {
    Pair pair{ServiceHarness::newUserId(), ServiceHarness::newUserId(), {}, {}};
    pair.ta = service.signUp(pair.a, "man", "woman", 30, 55.75, 37.61);
    pair.tb = service.signUp(pair.b, "woman", "man", 28, 55.76, 37.62);
    return pair;
}

} // namespace

// Live events: who hears what, who may open a channel, and what keeps channels bounded.
class TestServiceEvents : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A like reaches the liked person, a match and messages both, an ended match both; someone
    // outside the pair hears nothing of it.
    void eventsReachOnlyThePeopleConcerned_data() { ServiceHarness::onBothDatabases(); }
    void eventsReachOnlyThePeopleConcerned() {
        const ServiceHarness::RowDatabase database = ServiceHarness::rowDatabase();
        QVERIFY2(database.problem.isEmpty(), qPrintable(database.problem));
        ServiceHarness service(database.arguments);
        const Pair p = twoPeople(service);
        const QString c = ServiceHarness::newUserId();
        const QString tc = service.signUp(c, "man", "woman", 31, 55.75, 37.61);
        Listener a(service.port(), p.ta), b(service.port(), p.tb), stranger(service.port(), tc);
        QVERIFY(a.opened() && b.opened() && stranger.opened());

        QCOMPARE(service.swipe(p.ta, p.b, "right"), QString("swipeCreated"));
        QTRY_COMPARE(b.types(), QStringList{"like"});
        QCOMPARE(service.swipe(p.tb, p.a, "right"), QString("matchCreated"));
        QTRY_COMPARE(a.types(), QStringList{"match"});
        QTRY_COMPARE(b.types(), (QStringList{"like", "match"}));
        const QString chatId = service.chats(p.ta).at(0).toObject().value("chatID").toString();
        QCOMPARE(a.events.last().value("chatID").toString(), chatId);

        const auto sent =
            service.json("POST", "sendMessage", {{"chatID", chatId}, {"content", "Привет"}}, p.ta);
        QCOMPARE(sent.status, 200);
        QTRY_COMPARE(b.events.size(), 3);
        QCOMPARE(b.events.last(), (QJsonObject{{"type", "message"},
                                               {"chatID", chatId},
                                               {"messageID", sent.object().value("id")}}));
        // The sender's own channels hear it too: their other devices show it.
        QTRY_COMPARE(a.types(), (QStringList{"match", "message"}));

        const QString matchId = service.chats(p.tb).at(0).toObject().value("id").toString();
        QCOMPARE(service.json("POST", "cancelMatch", {{"matchID", matchId}}, p.tb).status, 200);
        QTRY_COMPARE(b.events.size(), 4);
        QCOMPARE(b.events.last(), (QJsonObject{{"type", "unmatch"}, {"chatID", chatId}}));
        QTRY_COMPARE(a.types().last(), QString("unmatch"));
        QVERIFY(stranger.events.isEmpty());
    }

    // Only a live token opens a channel, and a refused one is never upgraded; nothing but the
    // channel's own address upgrades.
    void channelsOpenOnlyWithALiveToken() {
        ServiceHarness service;
        const Pair p = twoPeople(service);
        const QByteArray live = "bear " + p.ta.toUtf8();
        QCOMPARE(RawUpgrade(service.port(), "GET /events HTTP/1.1", live).status(),
                 QByteArray("HTTP/1.1 101 Switching Protocols"));
        for (const QByteArray &auth : {QByteArray(), QByteArray("bear zrl.made-up"),
                                       QByteArray("bear " + p.ta.toUtf8() + "x")}) {
            RawUpgrade refused(service.port(), "GET /events HTTP/1.1", auth);
            QVERIFY2(refused.status().startsWith("HTTP/1.1 401"), refused.answer.constData());
            QVERIFY(refused.answer.contains("\"reason\""));
        }
        QVERIFY(RawUpgrade(service.port(), "GET /user HTTP/1.1", live)
                    .status()
                    .startsWith("HTTP/1.1 404"));
        QVERIFY(RawUpgrade(service.port(), "POST /events HTTP/1.1", live)
                    .status()
                    .startsWith("HTTP/1.1 405"));
        QVERIFY(RawUpgrade(service.port(), "GET /events HTTP/1.1", live, "h2c")
                    .status()
                    .startsWith("HTTP/1.1 400"));
        QCOMPARE(service.call("GET", "events", {}, p.ta).status, 426);

        // Deleting the account closes its channel at once, and a deleted account opens none.
        Listener b(service.port(), p.tb);
        QVERIFY(b.opened());
        QCOMPARE(service.call("GET", "deleteAccount", {}, p.tb).status, 200);
        QVERIFY(b.closed());
        QVERIFY(RawUpgrade(service.port(), "GET /events HTTP/1.1", "bear " + p.tb.toUtf8())
                    .status()
                    .startsWith("HTTP/1.1 410"));
    }

    // A few channels per account, the newest kept; a channel that stops answering pings, talks,
    // or outlives its sign-in is closed; closed channels give their connections back.
    void channelsStayBounded() {
        ServiceHarness service(
            {"--event-ping", "100", "--events-per-account", "2", "--connections-per-address", "6"});
        const Pair p = twoPeople(service);
        Listener first(service.port(), p.ta), second(service.port(), p.ta);
        QVERIFY(first.opened() && second.opened());
        Listener third(service.port(), p.ta);
        QVERIFY(third.opened());
        QVERIFY(first.closed());
        QCOMPARE(second.socket.state(), QAbstractSocket::ConnectedState);

        // A raw connection never answers pings; a QWebSocket does, and stays.
        RawUpgrade silent(service.port(), "GET /events HTTP/1.1", "bear " + p.tb.toUtf8());
        QCOMPARE(silent.status(), QByteArray("HTTP/1.1 101 Switching Protocols"));
        QVERIFY(QTest::qWaitFor(
            [&] { return silent.socket.state() == QAbstractSocket::UnconnectedState; }, 3000));
        QCOMPARE(third.socket.state(), QAbstractSocket::ConnectedState);

        Listener talker(service.port(), p.tb);
        QVERIFY(talker.opened());
        talker.socket.sendTextMessage(QString(2000, QLatin1Char('x')));
        QVERIFY(talker.closed());
        Listener chatter(service.port(), p.tb);
        QVERIFY(chatter.opened());
        for (int i = 0; i < 20; ++i)
            chatter.socket.sendTextMessage(QStringLiteral("hi"));
        QVERIFY(chatter.closed());

        // Signed out everywhere by the operator: found at the next check of the sign-ins.
        service.context().tokens.revokeAll(p.a);
        QVERIFY(second.closed() && third.closed());

        // Every channel above has given its connection back, so more still fit.
        for (int i = 0; i < 3; ++i) {
            Listener again(service.port(), p.tb);
            QVERIFY(again.opened());
            again.socket.close();
            QVERIFY(again.closed());
        }
    }

    // A channel that takes what it is sent too slowly is dropped, and only that one: its client
    // catches up by asking. Frames far larger than events, so the kernel's buffers fill fast.
    void aSlowReaderIsDropped() {
        ServiceHarness service;
        const Pair p = twoPeople(service);
        Listener reading(service.port(), p.tb);
        QVERIFY(reading.opened());
        RawUpgrade stalled(service.port(), "GET /events HTTP/1.1", "bear " + p.tb.toUtf8());
        QCOMPARE(stalled.status(), QByteArray("HTTP/1.1 101 Switching Protocols"));
        // Qt takes no more than this for it; the rest waits in the kernel, then in the service.
        stalled.socket.setReadBufferSize(4096);
        QTRY_COMPARE(service.eventChannels(), 2);
        // Sent no faster than the reading channel takes them, until the stalled one's kernel
        // buffers are full and the service's share fills behind them.
        const QJsonObject big{{"type", "like"}, {"pad", QString(7000, QLatin1Char('x'))}};
        int sent = 0;
        while (service.eventChannels() == 2 && sent < 3000) {
            for (int i = 0; i < 20; ++i)
                service.context().events.publish({p.b}, big);
            sent += 20;
            QTRY_COMPARE(reading.events.size(), sent);
        }
        QTRY_COMPARE(service.eventChannels(), 1);
        QCOMPARE(reading.socket.state(), QAbstractSocket::ConnectedState);
    }

    // A channel answers a client's pings and close as the protocol has it, however the bytes
    // arrive, and sends events as text frames; a frame no client may send ends it at once.
    void channelsKeepToTheProtocol() {
        ServiceHarness service;
        const Pair p = twoPeople(service);
        const QByteArray auth = "bear " + p.ta.toUtf8();
        RawUpgrade raw(service.port(), "GET /events HTTP/1.1", auth);
        QCOMPARE(raw.status(), QByteArray("HTTP/1.1 101 Switching Protocols"));
        QTRY_COMPARE(service.eventChannels(), 1);
        const auto heard = [&raw](const QByteArray &expected) {
            return QTest::qWaitFor(
                [&] {
                    raw.answer += raw.socket.readAll();
                    return raw.answer.endsWith(expected);
                },
                5000);
        };

        // A ping split across many writes, a byte at a time.
        for (const char byte : clientFrame(0x89, "abc")) {
            raw.socket.write(&byte, 1);
            QVERIFY(raw.socket.waitForBytesWritten(1000));
            QTest::qWait(5);
        }
        QVERIFY2(heard(QByteArray("\x8A\x03"
                                  "abc")),
                 raw.answer.toHex().constData());
        service.context().events.publish({p.a}, QJsonObject{{"type", "like"}});
        QVERIFY(heard("\x81\x0F{\"type\":\"like\"}"));
        // A close is answered with its own status code, and the connection ends.
        raw.socket.write(clientFrame(0x88, QByteArray("\x03\xE8"
                                                      "bye")));
        QVERIFY(heard(QByteArray("\x88\x02\x03\xE8")));
        QVERIFY(QTest::qWaitFor(
            [&] { return raw.socket.state() == QAbstractSocket::UnconnectedState; }, 5000));
        QTRY_COMPARE(service.eventChannels(), 0);

        const QByteArray unmasked("\x81\x02hi", 4);
        const QByteArray reservedOpcode = clientFrame(0x83, "hi");
        const QByteArray splitPing = clientFrame(0x09, "hi");
        // Announces 2^40 bytes and never sends them.
        const QByteArray huge("\x82\xFF\x00\x00\x01\x00\x00\x00\x00\x00", 10);
        for (const QByteArray &bad : {unmasked, reservedOpcode, splitPing, huge}) {
            RawUpgrade breaking(service.port(), "GET /events HTTP/1.1", auth);
            QCOMPARE(breaking.status(), QByteArray("HTTP/1.1 101 Switching Protocols"));
            QTRY_COMPARE(service.eventChannels(), 1);
            breaking.socket.write(bad);
            QVERIFY2(
                QTest::qWaitFor(
                    [&] { return breaking.socket.state() == QAbstractSocket::UnconnectedState; },
                    5000),
                bad.toHex().constData());
            QTRY_COMPARE(service.eventChannels(), 0);
        }
    }

    // Several processes on one PostgreSQL: an event made in one reaches a channel held by
    // the other.
    void eventsCrossProcesses() {
        PostgresCluster cluster;
        QVERIFY2(cluster.error().isEmpty(),
                 qPrintable("no PostgreSQL cluster: " + cluster.error()));
        ServiceHarness service({"--database", cluster.url()});
        const Pair p = twoPeople(service);
        quint16 port = 0;
        const std::unique_ptr<QProcess> other = ServiceHarness::serveBinary(
            {"--database", cluster.url(), "--no-demo", "--event-ping", "200"}, &port);
        QVERIFY(other);
        Listener b(port, p.tb);
        QVERIFY(b.opened());
        QCOMPARE(service.swipe(p.ta, p.b, "superlike", "Привет"), QString("swipeCreated"));
        QTRY_COMPARE(b.types(), QStringList{"like"});

        // The database drops the listening connections; the other process makes its own again.
        QSqlQuery ended = service.context().db.exec(
            "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE pid <> "
            "pg_backend_pid() AND (query LIKE 'LISTEN%' OR query = 'SELECT 1')");
        int dropped = 0;
        while (ended.next())
            dropped += ended.value(0).toBool();
        QVERIFY(dropped >= 1);
        QTest::qWait(1500);
        QCOMPARE(service.swipe(p.tb, p.a, "right"), QString("matchCreated"));
        QTRY_COMPARE(b.types(), (QStringList{"like", "match"}));
        other->terminate();
        QVERIFY(other->waitForFinished(10000));
    }

    // Channels opened in a burst, faster than they reach their threads, still keep to the
    // per-account cap, and all of them are given back when their clients go.
    void aBurstOfChannelsKeepsTheCap() {
        ServiceHarness service;
        const Pair p = twoPeople(service);
        for (int round = 0; round < 2; ++round) {
            std::vector<std::unique_ptr<Listener>> many;
            for (int i = 0; i < 300; ++i)
                many.push_back(std::make_unique<Listener>(service.port(), i % 2 ? p.ta : p.tb));
            QTRY_COMPARE(service.eventChannels(), 10);
            many.clear();
            QTRY_COMPARE(service.eventChannels(), 0);
        }
    }

    // What crosses the database is read back exactly, and nothing else is taken for it.
    void busPayloadsDecodeStrictly() {
        const QString a = ServiceHarness::newUserId();
        const QString b = ServiceHarness::newUserId();
        EventBus::Payload read;
        QVERIFY(EventBus::decode(EventBus::encode({false, {a, b}, R"({"type":"like"})"}), &read));
        QCOMPARE(read.recipients, (QStringList{a, b}));
        QCOMPARE(read.frame, QByteArray(R"({"type":"like"})"));
        QVERIFY(EventBus::decode(EventBus::encode({true, {a}, {}}), &read));
        QVERIFY(read.closes);
        for (const QByteArray &bad : {QByteArray(), QByteArray("send"), QByteArray("send\n\n{}"),
                                      QByteArray("drop\n" + a.toLatin1() + "\n{}"),
                                      QByteArray("send\n" + a.toLatin1() + " nobody\n{}"),
                                      QByteArray("close\n" + a.toLatin1() + "\n{}"),
                                      QByteArray("send\n" + a.toLatin1() + "\n")})
            QVERIFY2(!EventBus::decode(bad, &read), bad.constData());
    }
};

QTEST_MAIN(TestServiceEvents)
#include "tst_service_events.moc"
