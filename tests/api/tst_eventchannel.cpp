// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/EventChannel.h"
#include "api/NetworkService.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebSocket>
#include <QWebSocketServer>

using namespace std::chrono_literals;

namespace {

const QString kChat = QStringLiteral("6F1C2A3B-4D5E-4F60-8172-839405A6B7C8");
const QString kMessage = QStringLiteral("0A1B2C3D-4E5F-4061-8273-94A5B6C7D8E9");

// A service's event endpoint under the test's control; it keeps what each opening asked.
class FakeEvents : public QObject {
public:
    FakeEvents() {
        connect(&server, &QWebSocketServer::newConnection, this, [this] {
            QWebSocket *socket = server.nextPendingConnection();
            socket->setParent(this);
            requests.append(socket->request());
            latest = socket;
        });
    }
    [[nodiscard]] bool listen(quint16 port = 0) {
        return server.listen(QHostAddress::LocalHost, port);
    }
    [[nodiscard]] QString baseUrl() const {
        return QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
    }

    QWebSocketServer server{QStringLiteral("events"), QWebSocketServer::NonSecureMode};
    QList<QNetworkRequest> requests;
    QPointer<QWebSocket> latest;
};

// Counts the channel's warnings, which must not grow with what a service keeps sending.
int s_warnings = 0;
QtMessageHandler s_previous = nullptr;
void countWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type == QtWarningMsg && text.contains(QStringLiteral("Не событие")))
        ++s_warnings;
    s_previous(type, context, text);
}

} // namespace

class TestEventChannel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The channel goes to the service's own origin with the token in the header, never in the
    // address, and only events it knows reach the screens.
    void opensWithTheTokenAndPassesOnlyEvents() {
        FakeEvents service;
        QVERIFY(service.listen());
        NetworkService network;
        network.setBaseUrl(service.baseUrl());
        network.setPaseto(QStringLiteral("zrl.secret"));
        EventChannel channel(network);
        QSignalSpy live(&channel, &EventChannel::liveChanged);
        QSignalSpy arrived(&channel, &EventChannel::arrived);
        channel.open();
        QTRY_VERIFY(channel.isLive());
        QCOMPARE(service.requests.size(), 1);
        const QNetworkRequest &request = service.requests.first();
        QCOMPARE(request.url().path(), QStringLiteral("/events"));
        QVERIFY(!request.url().toString().contains(QStringLiteral("secret")));
        QCOMPARE(request.rawHeader("auth"), QByteArray("bear zrl.secret"));

        s_warnings = 0;
        s_previous = qInstallMessageHandler(countWarnings);
        for (const QString &frame :
             {QStringLiteral("{\"type\":\"typing\",\"chatID\":\"x\"}"), QStringLiteral("не json"),
              QStringLiteral("[1]"), QStringLiteral("{\"type\":\"message\",\"chatID\":\"x\"}"),
              QStringLiteral("{\"type\":\"message\",\"chatID\":\"%1\",\"messageID\":\"%2\"}")
                  .arg(kChat, kMessage)})
            service.latest->sendTextMessage(frame);
        service.latest->sendBinaryMessage("{\"type\":\"like\"}");
        QTRY_COMPARE(arrived.size(), 1);
        qInstallMessageHandler(s_previous);
        QCOMPARE(s_warnings, 1);
        const auto event = arrived.first().first().value<LiveEvent>();
        QCOMPARE(event.kind, LiveEvent::Kind::Message);
        QCOMPARE(event.chatID, QUuid(kChat));
        QCOMPARE(event.messageID, QUuid(kMessage));
        QVERIFY(event.changesMatches());

        // A frame larger than any event closes the channel; it opens again by itself.
        service.latest->sendTextMessage(QString(EventChannel::kLargestFrame + 1, QLatin1Char('x')));
        QTRY_VERIFY(!channel.isLive());
        QTRY_VERIFY_WITH_TIMEOUT(channel.isLive(), 5000);
        QCOMPARE(service.requests.size(), 2);
        QCOMPARE(live.size(), 3);
        channel.close();
        QVERIFY(!channel.isLive());
        QTest::qWait(1500);
        QCOMPARE(service.requests.size(), 2);

        // Closed and opened again at once, as signing out and in does: what the dropped
        // connection still reports does not count against the new one, which stays.
        channel.open();
        QTRY_VERIFY(channel.isLive());
        channel.close();
        channel.open();
        QTRY_COMPARE(service.requests.size(), 4);
        QTest::qWait(1500);
        QVERIFY(channel.isLive());
        QCOMPARE(service.requests.size(), 4);
    }

    // With the service gone the channel waits longer after each failed attempt, but the first
    // answer the service gives again brings it back at once.
    void comesBackAtOnceWhenTheServiceAnswersAgain() {
        auto service = std::make_unique<FakeEvents>();
        QVERIFY(service->listen());
        const quint16 port = service->server.serverPort();
        NetworkService network;
        network.setBaseUrl(service->baseUrl());
        network.setPaseto(QStringLiteral("zrl.secret"));
        EventChannel channel(network);
        channel.setDelays(100ms, 20s, 30s);
        channel.open();
        QTRY_VERIFY(channel.isLive());
        service.reset();
        QTRY_VERIFY(!channel.isLive());
        // Attempts at 0.1, 0.3, 0.7, 1.5 and 3.1 s find nobody; the next comes at 6.3 s.
        QTest::qWait(4500);
        service = std::make_unique<FakeEvents>();
        QVERIFY(service->listen(port));
        QTest::qWait(300);
        QVERIFY(!channel.isLive());
        Q_EMIT network.serviceAnswered();
        QTRY_VERIFY_WITH_TIMEOUT(channel.isLive(), 1000);

        // A service that answers but refuses the channel is not asked again on every answer.
        const qsizetype before = service->requests.size();
        connect(&service->server, &QWebSocketServer::newConnection, service.get(), [&service] {
            service->latest->close(QWebSocketProtocol::CloseCodePolicyViolated);
        });
        service->latest->close();
        QTRY_VERIFY(!channel.isLive());
        for (int i = 0; i < 10; ++i) {
            Q_EMIT network.serviceAnswered();
            QTest::qWait(20);
        }
        QVERIFY(service->requests.size() <= before + 2);
    }

    // Every wait is between half the planned one and all of it, and the plan doubles.
    void retriesSpreadOut() {
        QElapsedTimer clock;
        int runs = 0;
        RetrySchedule retry([&] { ++runs; });
        retry.setDelays(200ms, 800ms);
        retry.setJitter(true);
        for (const int planned : {200, 400, 800, 800}) {
            clock.start();
            retry.failed();
            QTRY_COMPARE_WITH_TIMEOUT(runs, 1, 2000);
            runs = 0;
            QVERIFY2(clock.elapsed() >= planned / 2 - 5 && clock.elapsed() <= planned + 100,
                     qPrintable(QString::number(clock.elapsed())));
        }
    }
};

QTEST_MAIN(TestEventChannel)
#include "tst_eventchannel.moc"
