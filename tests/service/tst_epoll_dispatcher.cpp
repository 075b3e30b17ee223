// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "EpollDispatcher.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace {

// A thread running its loop on the dispatcher, with a context object living there.
class LoopThread {
public:
    LoopThread() {
        thread.setEventDispatcher(new EpollDispatcher);
        context.moveToThread(&thread);
        thread.start();
    }
    ~LoopThread() {
        thread.quit();
        thread.wait();
    }
    template <class F> void run(F f) {
        QMetaObject::invokeMethod(&context, std::move(f), Qt::QueuedConnection);
    }

    QThread thread;
    QObject context;
};

} // namespace

// The event channels' loop: calls from other threads, timers and sockets, as Qt's own do them.
class TestEpollDispatcher : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Calls queued from another thread wake a loop waiting with nothing else to do; timers fire
    // on time, zero timers at once, and a timer stopped by another's event does not fire.
    void callsAndTimersRunOnTheLoop() {
        LoopThread loop;
        std::atomic_int calls = 0;
        for (int i = 0; i < 3; ++i) {
            // With no timer at all the loop waits for ever unless the call wakes it.
            loop.run([&] { ++calls; });
            QTRY_COMPARE_WITH_TIMEOUT(calls.load(), i + 1, 1000);
            QTest::qWait(50);
        }

        std::atomic_int ticks = 0, zero = 0, stopped = 0;
        std::atomic<qint64> firstTickMs = -1;
        loop.run([&] {
            auto *clock = new QElapsedTimer;
            clock->start();
            auto *repeating = new QTimer(&loop.context);
            QObject::connect(repeating, &QTimer::timeout, &loop.context, [&, clock, repeating] {
                if (++ticks == 1)
                    firstTickMs = clock->elapsed();
                if (ticks == 5) {
                    repeating->stop();
                    delete clock;
                }
            });
            repeating->start(30);
            QTimer::singleShot(0, &loop.context, [&] { ++zero; });
            auto *victim = new QTimer(&loop.context);
            victim->setSingleShot(true);
            QObject::connect(victim, &QTimer::timeout, &loop.context, [&] { ++stopped; });
            victim->start(60);
            QTimer::singleShot(20, &loop.context, [victim] { victim->stop(); });
        });
        QTRY_COMPARE_WITH_TIMEOUT(ticks.load(), 5, 2000);
        QCOMPARE(zero.load(), 1);
        QVERIFY2(firstTickMs >= 29 && firstTickMs < 200, qPrintable(QString::number(firstTickMs)));
        QTest::qWait(100);
        QCOMPARE(ticks.load(), 5);
        QCOMPARE(stopped.load(), 0);

        // Quitting interrupts a wait with no timer left.
        QElapsedTimer quitting;
        quitting.start();
        loop.thread.quit();
        QVERIFY(loop.thread.wait(2000));
        QVERIFY(quitting.elapsed() < 1000);
    }

    // Many sockets on the loop: each hears its own answer, and each hears its peer hang up.
    void socketsHearDataAndHangUps() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        std::vector<std::unique_ptr<QTcpSocket>> peers;
        QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
            while (QTcpSocket *peer = server.nextPendingConnection()) {
                QObject::connect(peer, &QTcpSocket::readyRead, peer,
                                 [peer] { peer->write(peer->readAll().toUpper()); });
                peers.emplace_back(peer);
            }
        });
        constexpr int kSockets = 300;
        LoopThread loop;
        std::atomic_int answered = 0, hungUp = 0;
        loop.run([&] {
            for (int i = 0; i < kSockets; ++i) {
                auto *socket = new QTcpSocket(&loop.context);
                const QByteArray said = "hello " + QByteArray::number(i);
                QObject::connect(socket, &QTcpSocket::connected, socket,
                                 [socket, said] { socket->write(said); });
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [&, socket, said] {
                    if (socket->readAll() == said.toUpper())
                        ++answered;
                });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, [&] { ++hungUp; });
                socket->connectToHost(QHostAddress::LocalHost, server.serverPort());
            }
        });
        QTRY_COMPARE_WITH_TIMEOUT(answered.load(), kSockets, 10000);
        for (const auto &peer : peers)
            peer->disconnectFromHost();
        QTRY_COMPARE_WITH_TIMEOUT(hungUp.load(), kSockets, 10000);
    }
};

QTEST_MAIN(TestEpollDispatcher)
#include "tst_epoll_dispatcher.moc"
