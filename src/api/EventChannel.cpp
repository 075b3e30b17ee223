// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/EventChannel.h"

#include "api/NetworkService.h"
#include "platform/DiagnosticLog.h"

#include <QNetworkRequest>
#include <QUrl>
#include <QWebSocket>

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
    m_ping.setInterval(30s);
    connect(&m_ping, &QTimer::timeout, this, &EventChannel::onPingDue);
    connect(&network, &NetworkService::serviceAnswered, this, &EventChannel::onReachable);
}

EventChannel::~EventChannel() {
    // The socket goes with the thread, before anything its last signals would reach.
    m_thread.stop();
}

void EventChannel::openSocket(const QNetworkRequest &request, quint64 attempt) {
    // A fresh socket for every attempt, so nothing an abandoned one still reports is taken
    // for news of this one.
    delete m_socket;
    m_socket = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, m_thread.context());
    m_socket->setMaxAllowedIncomingFrameSize(kLargestFrame);
    m_socket->setMaxAllowedIncomingMessageSize(kLargestFrame);
    // Run on the channel's owner thread; an attempt given up since is ignored.
    const auto current = [this, attempt](auto &&handle) {
        return [this, attempt, handle](auto &&...arguments) {
            if (attempt == m_attempt)
                handle(arguments...);
        };
    };
    connect(m_socket, &QWebSocket::connected, this, current([this] { onConnected(); }));
    connect(m_socket, &QWebSocket::disconnected, this, current([this] { onDisconnected(); }));
    connect(m_socket, &QWebSocket::textMessageReceived, this,
            current([this](const QString &text) { onFrame(text); }));
    connect(m_socket, &QWebSocket::pong, this,
            current([this](quint64, const QByteArray &) { m_awaitingPong = false; }));
    connect(m_socket, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            current([this](QAbstractSocket::SocketError error) {
                m_unreachable = error == QAbstractSocket::ConnectionRefusedError ||
                                error == QAbstractSocket::HostNotFoundError ||
                                error == QAbstractSocket::NetworkError ||
                                error == QAbstractSocket::SocketTimeoutError;
            }));
    m_socket->open(request);
}

void EventChannel::onSocket(std::function<void(QWebSocket &)> work) {
    m_thread.post([this, work = std::move(work)] {
        if (m_socket)
            work(*m_socket);
    });
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
    ++m_attempt;
    m_attempting = false;
    onSocket([](QWebSocket &socket) { socket.abort(); });
    setLive(false);
}

void EventChannel::connectSocket() {
    const std::optional<QString> token = m_network.paseto();
    if (!m_wanted || !token || m_attempting)
        return;
    m_attempting = true;
    // The service's own origin; NetworkService admits only https, or http to this machine.
    QUrl url(m_network.baseUrl() + QStringLiteral("events"));
    url.setScheme(url.scheme() == u"https" ? QStringLiteral("wss") : QStringLiteral("ws"));
    QNetworkRequest request(url);
    request.setRawHeader("auth", "bear " + token->toUtf8());
    m_thread.post([this, request, attempt = ++m_attempt] { openSocket(request, attempt); });
}

void EventChannel::onConnected() {
    m_unreachable = false;
    m_openedAt.start();
    m_awaitingPong = false;
    m_ping.start();
    setLive(true);
}

void EventChannel::onDisconnected() {
    m_attempting = false;
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
        onSocket([](QWebSocket &socket) { socket.abort(); });
        return;
    }
    m_awaitingPong = true;
    onSocket([](QWebSocket &socket) { socket.ping(); });
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
