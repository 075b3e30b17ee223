// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "EventHub.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QTcpSocket;
class QWebSocket;

// One thread's share of the open channels: it pings them, limits what they send and writes what
// the hub gives it. Apart from the calls, because Qt's event loop looks at every socket it holds
// each time it wakes: thousands of idle channels on the main thread made every request pay for
// them. Its own thread runs on an EpollDispatcher, which does not. The hub calls it through
// queued calls only.
class EventShard : public QObject {
    Q_OBJECT
public:
    explicit EventShard(const EventHub::Limits &limits);

    // Takes a channel already moved to this shard's thread, with the connection under it, and
    // the frames sent to it on its way.
    void take(quint64 id, QWebSocket *socket, QTcpSocket *connection,
              const QList<QByteArray> &frames);
    void send(const QList<quint64> &ids, const QByteArray &frame);
    void close(const QList<quint64> &ids);
    // Closes every channel and stops pinging; the last call before the thread ends.
    void closeAll();

signals:
    // A channel has gone, for whatever reason.
    void dropped(quint64 id);

private:
    struct Channel {
        QWebSocket *socket = nullptr;
        QPointer<QTcpSocket> connection;
        int missedPongs = 0;
        int inbound = 0;
    };

    void pingAll();
    void onInbound(quint64 id);
    void drop(quint64 id);

    EventHub::Limits m_limits;
    QHash<quint64, Channel> m_channels;
    // A child, so it moves to the shard's thread along with it.
    QTimer m_ping{this};
};
