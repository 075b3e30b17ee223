// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "EventShard.h"

#include <QTcpSocket>
#include <QWebSocket>

EventShard::EventShard(const EventHub::Limits &limits)
    : m_limits(limits) {
    connect(&m_ping, &QTimer::timeout, this, &EventShard::pingAll);
}

void EventShard::take(quint64 id, QWebSocket *socket, QTcpSocket *connection,
                      const QList<QByteArray> &frames) {
    if (!m_ping.isActive())
        m_ping.start(m_limits.ping);
    m_channels.insert(id, {socket, connection});
    connect(socket, &QWebSocket::disconnected, this, [this, id] { drop(id); });
    connect(socket, &QWebSocket::pong, this, [this, id] {
        if (auto it = m_channels.find(id); it != m_channels.end())
            it->missedPongs = 0;
    });
    connect(socket, &QWebSocket::textMessageReceived, this, [this, id] { onInbound(id); });
    connect(socket, &QWebSocket::binaryMessageReceived, this, [this, id] { onInbound(id); });
    // It may have closed on its way here, with no one listening yet.
    if (socket->state() != QAbstractSocket::ConnectedState) {
        drop(id);
        return;
    }
    for (const QByteArray &frame : frames)
        send({id}, frame);
}

void EventShard::send(const QList<quint64> &ids, const QByteArray &frame) {
    const QString text = QString::fromUtf8(frame);
    for (const quint64 id : ids) {
        const auto channel = m_channels.constFind(id);
        if (channel == m_channels.cend() || !channel->connection)
            continue;
        channel->socket->sendTextMessage(text);
        // What the kernel will not take at once is what the reader has not yet read. A reader
        // this far behind catches up by asking; holding more for it costs everyone.
        channel->connection->flush();
        if (channel->connection->bytesToWrite() > m_limits.queueBytes)
            channel->socket->abort();
    }
}

void EventShard::close(const QList<quint64> &ids) {
    for (const quint64 id : ids)
        if (const auto channel = m_channels.constFind(id); channel != m_channels.cend())
            channel->socket->abort();
}

void EventShard::closeAll() {
    m_ping.stop();
    const QList<quint64> ids = m_channels.keys();
    for (const quint64 id : ids) {
        const auto channel = m_channels.constFind(id);
        if (channel == m_channels.cend())
            continue;
        channel->socket->disconnect(this);
        channel->socket->abort();
        delete channel->socket;
        m_channels.remove(id);
        emit dropped(id);
    }
}

void EventShard::onInbound(quint64 id) {
    auto it = m_channels.find(id);
    if (it != m_channels.end() && ++it->inbound > m_limits.inboundPerPing)
        it->socket->abort();
}

void EventShard::drop(quint64 id) {
    const auto it = m_channels.find(id);
    if (it == m_channels.end())
        return;
    QWebSocket *socket = it->socket;
    m_channels.erase(it);
    socket->disconnect(this);
    socket->deleteLater();
    emit dropped(id);
}

void EventShard::pingAll() {
    const QList<quint64> ids = m_channels.keys();
    for (const quint64 id : ids) {
        const auto channel = m_channels.find(id);
        if (channel == m_channels.end())
            continue;
        channel->inbound = 0;
        if (channel->missedPongs >= 2) {
            channel->socket->abort();
            continue;
        }
        ++channel->missedPongs;
        channel->socket->ping();
    }
}
