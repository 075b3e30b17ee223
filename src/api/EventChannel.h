// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/LiveEvent.h"
#include "api/RetrySchedule.h"
#include "platform/WorkerThread.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class NetworkService;
class QNetworkRequest;
class QWebSocket;

// The service's live events for the signed-in person, over a WebSocket on the service's own
// origin, authorised like every call (never a token in the address). While it is open, the
// screens ask for what changed when an event says so and poll only now and then; when it
// drops, they go back to polling at once while it reconnects, waiting 1 s doubling to 60 s,
// with jitter, and trying at once when the network comes back.
// The socket lives on a thread of its own; what it reports is handled on the owner's thread.
// A broken or hostile service gets nowhere with it: unknown events change nothing, a frame
// larger than any event closes the channel, and what is not an event is logged once.
class EventChannel : public QObject {
    Q_OBJECT

public:
    explicit EventChannel(NetworkService &network, QObject *parent = nullptr);
    ~EventChannel() override;

    /// Keeps the channel open with the network's current token until close().
    void open();
    void close();
    [[nodiscard]] bool isLive() const { return m_live; }

    /// Tests shorten the waits, between attempts and between the checks that the service still
    /// answers, and make them exact: a test cannot tell where a jittered attempt falls.
    void setDelays(RetrySchedule::Delay first, RetrySchedule::Delay longest,
                   std::chrono::milliseconds ping);

    /// How often screens still ask while the channel is open, in case an event went astray.
    static constexpr int kSafetyPollMs = 60000;
    /// The largest frame the service sends is a few hundred bytes.
    static constexpr qint64 kLargestFrame = 4096;

Q_SIGNALS:
    void liveChanged(bool live);
    void arrived(const LiveEvent &event);

private:
    void connectSocket();
    // On the channel's thread: socket work stays off the screens' thread, and making a socket
    // sets up the TLS backend, which takes milliseconds a start should not wait for.
    void openSocket(const QNetworkRequest &request, quint64 attempt);
    void onSocket(std::function<void(QWebSocket &)> work);
    void onConnected();
    void onDisconnected();
    void onFrame(const QString &text);
    void onPingDue();
    void setLive(bool live);
    // Tries at once, when the network is back.
    void onReachable();

    NetworkService &m_network;
    WorkerThread m_thread{QStringLiteral("EventChannel")};
    QPointer<QWebSocket> m_socket; // used on m_thread only
    // Each attempt's number; what an earlier attempt reports is ignored.
    quint64 m_attempt = 0;
    // An attempt, or the connection it made, is under way.
    bool m_attempting = false;
    RetrySchedule m_retry;
    QTimer m_ping;
    QElapsedTimer m_openedAt;
    bool m_wanted = false;
    bool m_live = false;
    bool m_awaitingPong = false;
    // The last attempt found no service to connect to.
    bool m_unreachable = false;
    bool m_reportedGarbage = false;
};
