// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "EventHub.h"
#include "WebSocketFrame.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QTimer>

class QSocketNotifier;

// One thread's share of the open channels: it pings them, limits what they send and writes what
// the hub gives it. Apart from the calls, because Qt's event loop looks at every socket it holds
// each time it wakes: thousands of idle channels on the main thread made every request pay for
// them. Its own thread runs on an EpollDispatcher, which does not. The hub calls it through
// queued calls only.
//
// A channel here is only its descriptor and a notifier: once the handshake is done, the frames
// it still exchanges are few and small, and Qt's socket objects kept kilobytes of buffers for
// each of thousands of idle channels.
class EventShard : public QObject {
    Q_OBJECT
public:
    explicit EventShard(const EventHub::Limits &limits);

    // Takes an upgraded connection's descriptor, which it then owns, and the events sent to the
    // channel on its way.
    void take(quint64 id, int descriptor, const QList<QByteArray> &events);
    void send(const QList<quint64> &ids, const QByteArray &event);
    void close(const QList<quint64> &ids);
    // Closes every channel and stops pinging; the last call before the thread ends.
    void closeAll();

signals:
    // A channel has gone, for whatever reason.
    void dropped(quint64 id);

private:
    struct Channel {
        int descriptor = -1;
        QSocketNotifier *reader = nullptr;
        // Made the first time the kernel would not take everything at once.
        QSocketNotifier *writer = nullptr;
        // The start of a frame whose end has not arrived yet.
        QByteArray unread;
        // What the kernel has not taken yet.
        QByteArray unsent;
        int missedPongs = 0;
        int inbound = 0;
    };

    void pingAll();
    void onReadable(quint64 id);
    void onWritable(quint64 id);
    // False when the channel had to go.
    [[nodiscard]] bool write(quint64 id, const QByteArray &bytes);
    // False when the channel had to go.
    [[nodiscard]] bool hear(quint64 id, const WebSocketFrame::Inbound &frame);
    void drop(quint64 id);

    EventHub::Limits m_limits;
    QHash<quint64, Channel> m_channels;
    // A child, so it moves to the shard's thread along with it.
    QTimer m_ping{this};
};
