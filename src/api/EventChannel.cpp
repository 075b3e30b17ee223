// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/EventChannel.h"

#include "api/NetworkService.h"
#include "platform/DiagnosticLog.h"

#include <QNetworkRequest>
#include <QUrl>

namespace {

using namespace std::chrono_literals;

// A channel that stayed open this long was a working one: the next failure waits 1 s again.
constexpr qint64 kSettledMs = 10000;

} // namespace

EventChannel::EventChannel(NetworkService &network, QObject *parent)
    : QObject(parent)
    , m_network(network)
    , m_retry([this] { connectSocket(); }) {
    m_retry.setDelays(1s, 60s);
    m_retry.setJitter(true);
    m_socket.setMaxAllowedIncomingFrameSize(kLargestFrame);
    m_socket.setMaxAllowedIncomingMessageSize(kLargestFrame);
    connect(&m_socket, &QWebSocket::connected, this, &EventChannel::onConnected);
    connect(&m_socket, &QWebSocket::disconnected, this, &EventChannel::onDisconnected);
    connect(&m_socket, &QWebSocket::textMessageReceived, this, &EventChannel::onFrame);
    connect(&m_socket, &QWebSocket::pong, this, [this] { m_awaitingPong = false; });
    connect(&m_socket, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            [this](QAbstractSocket::SocketError error) {
                m_unreachable = error == QAbstractSocket::ConnectionRefusedError ||
                                error == QAbstractSocket::HostNotFoundError ||
                                error == QAbstractSocket::NetworkError ||
                                error == QAbstractSocket::SocketTimeoutError;
            });
    m_ping.setInterval(30s);
    connect(&m_ping, &QTimer::timeout, this, &EventChannel::onPingDue);
    connect(&network, &NetworkService::serviceAnswered, this, &EventChannel::onReachable);
}

EventChannel::~EventChannel() {
    m_socket.disconnect(this);
}

void EventChannel::setDelays(RetrySchedule::Delay first, RetrySchedule::Delay longest,
                             std::chrono::milliseconds ping) {
    m_retry.setDelays(first, longest);
    m_retry.setJitter(false);
    m_ping.setInterval(ping);
}

void EventChannel::open() {
    if (m_wanted)
        return;
    m_wanted = true;
    connectSocket();
}

void EventChannel::close() {
    m_wanted = false;
    m_retry.reset();
    m_ping.stop();
    m_socket.abort();
    setLive(false);
}

void EventChannel::connectSocket() {
    const std::optional<QString> token = m_network.paseto();
    if (!m_wanted || !token || m_socket.state() != QAbstractSocket::UnconnectedState)
        return;
    // The service's own origin; NetworkService admits only https, or http to this machine.
    QUrl url(m_network.baseUrl() + QStringLiteral("events"));
    url.setScheme(url.scheme() == u"https" ? QStringLiteral("wss") : QStringLiteral("ws"));
    QNetworkRequest request(url);
    request.setRawHeader("auth", "bear " + token->toUtf8());
    m_socket.open(request);
}

void EventChannel::onConnected() {
    m_unreachable = false;
    m_openedAt.start();
    m_awaitingPong = false;
    m_ping.start();
    setLive(true);
}

void EventChannel::onDisconnected() {
    m_ping.stop();
    setLive(false);
    if (!m_wanted)
        return;
    if (m_openedAt.isValid() && m_openedAt.elapsed() > kSettledMs)
        m_retry.reset();
    m_openedAt.invalidate();
    m_retry.failed();
}

void EventChannel::onReachable() {
    // Only a channel waiting because the service could not be reached at all: one refused by
    // the service itself waits its turn, or every poll's answer would bring a new attempt.
    if (m_wanted && m_unreachable && m_retry.isWaiting()) {
        m_unreachable = false;
        m_retry.reset();
        connectSocket();
    }
}

void EventChannel::onPingDue() {
    // A service gone without closing (a dropped network) answers nothing; polling takes over.
    if (m_awaitingPong) {
        m_socket.abort();
        return;
    }
    m_awaitingPong = true;
    m_socket.ping();
}

void EventChannel::onFrame(const QString &text) {
    QString error;
    const std::optional<LiveEvent> event = LiveEvent::fromFrame(text.toUtf8(), &error);
    if (!event) {
        if (!std::exchange(m_reportedGarbage, true))
            qCWarning(lcNetwork).noquote() << QStringLiteral("Не событие в канале: ") + error;
        return;
    }
    if (event->kind != LiveEvent::Kind::Unknown)
        Q_EMIT arrived(*event);
}

void EventChannel::setLive(bool live) {
    if (live == m_live)
        return;
    m_live = live;
    Q_EMIT liveChanged(live);
}
