// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "EventHub.h"

#include "ApiError.h"
#include "BodyLimit.h"
#include "CallerAddress.h"
#include "Database.h"
#include "EpollDispatcher.h"
#include "EventBus.h"
#include "EventShard.h"

#include <QDateTime>
#include <QTcpSocket>
#include <QThread>
#include <QThreadPool>
#include <QWebSocket>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <utility>

namespace {

QString keyOf(const QHostAddress &address, quint16 port) {
    return address.toString() + QLatin1Char('#') + QString::number(port);
}

} // namespace

EventHub::EventHub(EventBus &bus, Authorise authorise, QThreadPool &workers, const Limits &limits,
                   const QHostAddress &proxy, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
    , m_authorise(std::move(authorise))
    , m_workers(workers)
    , m_limits(limits)
    , m_proxy(proxy) {
    for (int i = 0; i < std::max(1, m_limits.threads); ++i) {
        auto thread = std::make_unique<QThread>();
        thread->setObjectName(QStringLiteral("events %1").arg(i));
        thread->setEventDispatcher(new EpollDispatcher);
        auto shard = std::make_unique<EventShard>(m_limits);
        shard->moveToThread(thread.get());
        connect(shard.get(), &EventShard::dropped, this, &EventHub::onDropped);
        thread->start();
        m_threads.push_back(std::move(thread));
        m_shards.push_back(std::move(shard));
    }
    connect(&bus, &EventBus::arrived, this, &EventHub::deliver);
    connect(&bus, &EventBus::closing, this, &EventHub::closeAccounts);
    connect(&m_tick, &QTimer::timeout, this, &EventHub::tick);
    m_tick.start(m_limits.ping);
}

EventHub::~EventHub() {
    // Each socket goes on the thread it lives on, while that thread still runs.
    for (size_t i = 0; i < m_shards.size(); ++i) {
        EventShard *shard = m_shards[i].get();
        shard->disconnect(this);
        QMetaObject::invokeMethod(shard, &EventShard::closeAll, Qt::BlockingQueuedConnection);
        m_threads[i]->quit();
        m_threads[i]->wait();
    }
    for (const Channel &channel : std::as_const(m_channels)) {
        delete channel.waiting;
        if (channel.gone)
            channel.gone();
    }
}

QString EventHub::peerKey(const QTcpSocket &socket) {
    return keyOf(socket.peerAddress(), socket.peerPort());
}

EventHub::Refusal EventHub::admit(QTcpSocket *socket, const QByteArray &requestLine,
                                  const QByteArray &auth, const QByteArray &forwardedFor) {
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
    m_admitted.insert(
        peerKey(*socket),
        {userId, auth, socket, CallerAddress::of(socket->peerAddress(), forwardedFor, m_proxy)});
    return {};
}

void EventHub::adopt(std::unique_ptr<QWebSocket> owned) {
    QWebSocket *socket = owned.release();
    const Admitted admitted = m_admitted.take(keyOf(socket->peerAddress(), socket->peerPort()));
    if (admitted.userId.isEmpty() || !admitted.connection) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    QTcpSocket *connection = admitted.connection;
    std::function<void()> gone = BodyLimit::handOver(connection);
    // The request log's line for the upgrade, which no handler answers.
    const QByteArray line = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1() +
                            ' ' + admitted.caller + " GET /events 101\n";
    std::fputs(line.constData(), stdout);
    std::fflush(stdout);
    socket->setMaxAllowedIncomingFrameSize(quint64(m_limits.inboundFrameBytes));
    socket->setMaxAllowedIncomingMessageSize(quint64(m_limits.inboundFrameBytes));
    const quint64 id = ++m_lastId;
    m_channels.insert(id, {admitted.userId,
                           admitted.auth,
                           m_shards[id % m_shards.size()].get(),
                           socket,
                           connection,
                           {},
                           std::move(gone)});
    // Moved once the WebSocket server's own calls queued for the handshake have run here: they
    // look at the connection, which must then still be on this thread.
    QMetaObject::invokeMethod(
        this, [this, id] { moveToShard(id); }, Qt::QueuedConnection);
    QList<quint64> &own = m_byAccount[admitted.userId];
    own.append(id);
    // The newest channel of an account wins: the older ones are most likely from before the
    // network came back, and their pings have not yet run out.
    if (own.size() > m_limits.perAccount)
        closeChannels({own.first()});
}

void EventHub::moveToShard(quint64 id) {
    const auto it = m_channels.find(id);
    if (it == m_channels.end() || !it->waiting)
        return;
    QWebSocket *socket = std::exchange(it->waiting, nullptr);
    QTcpSocket *connection = it->connection;
    // The shard takes the connection's descriptor alone. Qt's objects go, with what they hold:
    // the handshake's answer must be out, since what they still buffer goes with them.
    int descriptor = -1;
    if (connection && socket->state() == QAbstractSocket::ConnectedState) {
        connection->flush();
        if (connection->bytesToWrite() == 0)
            descriptor = fcntl(int(connection->socketDescriptor()), F_DUPFD_CLOEXEC, 0);
        connection->setParent(socket);
    }
    // Closes Qt's descriptor only; the connection lives on in the copy.
    socket->abort();
    socket->deleteLater();
    if (descriptor < 0) {
        onDropped(id);
        return;
    }
    QMetaObject::invokeMethod(
        it->shard,
        [shard = it->shard, id, descriptor, frames = std::exchange(it->frames, {})] {
            shard->take(id, descriptor, frames);
        },
        Qt::QueuedConnection);
}

void EventHub::onDropped(quint64 id) {
    const auto it = m_channels.find(id);
    if (it == m_channels.end())
        return;
    QList<quint64> &own = m_byAccount[it->userId];
    own.removeOne(id);
    if (own.isEmpty())
        m_byAccount.remove(it->userId);
    const std::function<void()> gone = std::move(it->gone);
    m_channels.erase(it);
    if (gone)
        gone();
}

void EventHub::closeChannels(const QList<quint64> &ids) {
    QHash<EventShard *, QList<quint64>> byShard;
    for (const quint64 id : ids) {
        const auto channel = m_channels.constFind(id);
        if (channel == m_channels.cend())
            continue;
        if (QWebSocket *socket = channel->waiting) {
            socket->abort();
            socket->deleteLater();
            onDropped(id);
            continue;
        }
        byShard[channel->shard].append(id);
    }
    for (auto it = byShard.cbegin(); it != byShard.cend(); ++it)
        QMetaObject::invokeMethod(
            it.key(), [shard = it.key(), ids = it.value()] { shard->close(ids); },
            Qt::QueuedConnection);
}

void EventHub::deliver(const QStringList &recipients, const QByteArray &frame) {
    QHash<EventShard *, QList<quint64>> byShard;
    for (const QString &userId : recipients)
        for (const quint64 id : m_byAccount.value(userId)) {
            const auto channel = m_channels.find(id);
            if (channel == m_channels.end())
                continue;
            if (channel->waiting)
                channel->frames.append(frame);
            else
                byShard[channel->shard].append(id);
        }
    for (auto it = byShard.cbegin(); it != byShard.cend(); ++it)
        QMetaObject::invokeMethod(
            it.key(), [shard = it.key(), ids = it.value(), frame] { shard->send(ids, frame); },
            Qt::QueuedConnection);
}

void EventHub::closeAccounts(const QStringList &userIds) {
    QList<quint64> ids;
    for (const QString &userId : userIds)
        ids += m_byAccount.value(userId);
    closeChannels(ids);
}

void EventHub::tick() {
    // Upgrades that never finished their handshake.
    m_admitted.removeIf([](const auto &entry) { return !entry.value().connection; });
    if (++m_ticksSinceRecheck >= m_limits.pingsPerRecheck) {
        m_ticksSinceRecheck = 0;
        recheck();
    }
}

void EventHub::recheck() {
    struct Check {
        quint64 id;
        QString userId;
        QByteArray auth;
    };
    QList<Check> checks;
    checks.reserve(m_channels.size());
    for (auto it = m_channels.cbegin(); it != m_channels.cend(); ++it)
        checks.append({it.key(), it->userId, it->auth});
    if (checks.isEmpty())
        return;
    // The workers finish before the hub goes.
    m_workers.start([this, checks = std::move(checks), authorise = m_authorise] {
        QList<quint64> ended;
        for (const Check &check : checks) {
            try {
                if (authorise(check.auth) != check.userId)
                    ended.append(check.id);
            } catch (const ApiError &) {
                ended.append(check.id);
            } catch (const DbError &) {
                // Checked again next time; a database that is down is no sign-out.
            }
        }
        if (ended.isEmpty())
            return;
        QMetaObject::invokeMethod(
            this, [this, ended] { closeChannels(ended); }, Qt::QueuedConnection);
    });
}
