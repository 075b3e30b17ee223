// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "EventHub.h"

#include "ApiError.h"
#include "BodyLimit.h"
#include "Database.h"
#include "EventBus.h"

#include <QDateTime>
#include <QTcpSocket>
#include <QThreadPool>
#include <QWebSocket>

#include <cstdio>

namespace {

QString keyOf(const QHostAddress &address, quint16 port) {
    return address.toString() + QLatin1Char('#') + QString::number(port);
}

} // namespace

EventHub::EventHub(EventBus &bus, Authorise authorise, QThreadPool &workers, const Limits &limits,
                   QObject *parent)
    : QObject(parent)
    , m_bus(bus)
    , m_authorise(std::move(authorise))
    , m_workers(workers)
    , m_limits(limits) {
    connect(&bus, &EventBus::arrived, this, &EventHub::deliver);
    connect(&bus, &EventBus::closing, this, &EventHub::closeAccounts);
    connect(&m_ping, &QTimer::timeout, this, &EventHub::pingAll);
    m_ping.start(m_limits.ping);
}

EventHub::~EventHub() {
    // The sockets are children; their signals must not reach a hub half gone.
    for (QWebSocket *socket : m_channels.keys())
        socket->disconnect(this);
}

QString EventHub::peerKey(const QTcpSocket &socket) {
    return keyOf(socket.peerAddress(), socket.peerPort());
}

EventHub::Refusal EventHub::admit(QTcpSocket *socket, const QByteArray &requestLine,
                                  const QByteArray &auth) {
    const QList<QByteArray> parts = requestLine.trimmed().split(' ');
    if (parts.value(1).split('?').value(0) != "/events")
        return {404, QStringLiteral("Такого адреса нет")};
    if (parts.value(0) != "GET")
        return {405, QStringLiteral("Метод не поддерживается")};
    QString userId;
    try {
        userId = m_authorise(auth);
    } catch (const ApiError &e) {
        return {e.status(), e.reason()};
    } catch (const DbError &) {
        return {503, QStringLiteral("Сервис перегружен, попробуй позже")};
    }
    bool isIPv4 = false;
    const quint32 ipv4 = socket->peerAddress().toIPv4Address(&isIPv4);
    const QByteArray caller =
        (isIPv4 ? QHostAddress(ipv4) : socket->peerAddress()).toString().toLatin1();
    m_admitted.insert(peerKey(*socket), {userId, auth, socket, caller});
    return {};
}

void EventHub::adopt(std::unique_ptr<QWebSocket> owned) {
    QWebSocket *socket = owned.release();
    socket->setParent(this);
    const Admitted admitted = m_admitted.take(keyOf(socket->peerAddress(), socket->peerPort()));
    if (admitted.userId.isEmpty() || !admitted.connection) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    BodyLimit::handOver(admitted.connection);
    // The request log's line for the upgrade, which no handler answers.
    const QByteArray line = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1() +
                            ' ' + admitted.caller + " GET /events 101\n";
    std::fputs(line.constData(), stdout);
    std::fflush(stdout);
    socket->setMaxAllowedIncomingFrameSize(quint64(m_limits.inboundFrameBytes));
    socket->setMaxAllowedIncomingMessageSize(quint64(m_limits.inboundFrameBytes));
    m_channels.insert(socket, {admitted.userId, admitted.auth, admitted.connection});
    QList<QWebSocket *> &own = m_byAccount[admitted.userId];
    own.append(socket);
    // The newest channel of an account wins: the older ones are most likely from before the
    // network came back, and their pings have not yet run out.
    if (own.size() > m_limits.perAccount)
        own.first()->abort();
    connect(socket, &QWebSocket::disconnected, this, [this, socket] { drop(socket); });
    connect(socket, &QWebSocket::pong, this, [this, socket] {
        if (auto it = m_channels.find(socket); it != m_channels.end())
            it->missedPongs = 0;
    });
    connect(socket, &QWebSocket::textMessageReceived, this, [this, socket] { onInbound(socket); });
    connect(socket, &QWebSocket::binaryMessageReceived, this,
            [this, socket] { onInbound(socket); });
}

void EventHub::onInbound(QWebSocket *socket) {
    auto it = m_channels.find(socket);
    if (it != m_channels.end() && ++it->inbound > m_limits.inboundPerPing)
        socket->abort();
}

void EventHub::drop(QWebSocket *socket) {
    const auto it = m_channels.find(socket);
    if (it == m_channels.end())
        return;
    QList<QWebSocket *> &own = m_byAccount[it->userId];
    own.removeOne(socket);
    if (own.isEmpty())
        m_byAccount.remove(it->userId);
    m_channels.erase(it);
    socket->disconnect(this);
    socket->deleteLater();
}

void EventHub::deliver(const QStringList &recipients, const QByteArray &frame) {
    const QString text = QString::fromUtf8(frame);
    for (const QString &userId : recipients) {
        // A copy: a channel dropped on the way leaves the account's list.
        const QList<QWebSocket *> sockets = m_byAccount.value(userId);
        for (QWebSocket *socket : sockets) {
            const auto channel = m_channels.constFind(socket);
            if (channel == m_channels.cend())
                continue;
            if (!channel->connection || channel->connection->bytesToWrite() > m_limits.queueBytes) {
                socket->abort();
                continue;
            }
            socket->sendTextMessage(text);
        }
    }
}

void EventHub::closeAccounts(const QStringList &userIds) {
    for (const QString &userId : userIds) {
        const QList<QWebSocket *> sockets = m_byAccount.value(userId);
        for (QWebSocket *socket : sockets)
            socket->abort();
    }
}

void EventHub::pingAll() {
    // Upgrades that never finished their handshake.
    m_admitted.removeIf([](const auto &entry) { return !entry.value().connection; });
    const QList<QWebSocket *> sockets = m_channels.keys();
    for (QWebSocket *socket : sockets) {
        const auto channel = m_channels.find(socket);
        if (channel == m_channels.end())
            continue;
        channel->inbound = 0;
        if (channel->missedPongs >= 2) {
            socket->abort();
            continue;
        }
        ++channel->missedPongs;
        socket->ping();
    }
    if (++m_pingsSinceRecheck >= m_limits.pingsPerRecheck) {
        m_pingsSinceRecheck = 0;
        recheck();
    }
}

void EventHub::recheck() {
    struct Check {
        QPointer<QWebSocket> socket;
        QString userId;
        QByteArray auth;
    };
    QList<Check> checks;
    checks.reserve(m_channels.size());
    for (auto it = m_channels.cbegin(); it != m_channels.cend(); ++it)
        checks.append({it.key(), it->userId, it->auth});
    if (checks.isEmpty())
        return;
    m_workers.start([this, checks = std::move(checks), authorise = m_authorise] {
        QList<QPointer<QWebSocket>> ended;
        for (const Check &check : checks) {
            try {
                if (authorise(check.auth) != check.userId)
                    ended.append(check.socket);
            } catch (const ApiError &) {
                ended.append(check.socket);
            } catch (const DbError &) {
                // Checked again next time; a database that is down is no sign-out.
            }
        }
        if (ended.isEmpty())
            return;
        QMetaObject::invokeMethod(
            this,
            [ended] {
                for (const QPointer<QWebSocket> &socket : ended)
                    if (socket)
                        socket->abort();
            },
            Qt::QueuedConnection);
    });
}
