// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "EventShard.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Some bytes did not go, for a reason other than the kernel's buffers being full.
bool failed(ssize_t result) {
    return result < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR;
}

} // namespace

EventShard::EventShard(const EventHub::Limits &limits)
    : m_limits(limits) {
    connect(&m_ping, &QTimer::timeout, this, &EventShard::pingAll);
}

void EventShard::take(quint64 id, int descriptor, const QList<QByteArray> &events) {
    if (!m_ping.isActive())
        m_ping.start(m_limits.ping);
    auto *reader = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    connect(reader, &QSocketNotifier::activated, this, [this, id] { onReadable(id); });
    Channel channel;
    channel.descriptor = descriptor;
    channel.reader = reader;
    m_channels.insert(id, channel);
    for (const QByteArray &event : events)
        if (!write(id, WebSocketFrame::text(event)))
            return;
}

void EventShard::send(const QList<quint64> &ids, const QByteArray &event) {
    const QByteArray frame = WebSocketFrame::text(event);
    for (const quint64 id : ids)
        (void)write(id, frame);
}

void EventShard::close(const QList<quint64> &ids) {
    for (const quint64 id : ids)
        drop(id);
}

void EventShard::closeAll() {
    m_ping.stop();
    const QList<quint64> ids = m_channels.keys();
    for (const quint64 id : ids)
        drop(id);
}

bool EventShard::write(quint64 id, const QByteArray &bytes) {
    const auto it = m_channels.find(id);
    if (it == m_channels.end())
        return false;
    Channel &channel = *it;
    if (channel.unsent.isEmpty()) {
        const ssize_t sent = ::send(channel.descriptor, bytes.constData(), size_t(bytes.size()),
                                    MSG_NOSIGNAL | MSG_DONTWAIT);
        if (failed(sent)) {
            drop(id);
            return false;
        }
        if (sent < bytes.size())
            channel.unsent = bytes.sliced(std::max<qsizetype>(sent, 0));
    } else {
        channel.unsent += bytes;
    }
    // What the kernel will not take at once is what the reader has not yet read. A reader this
    // far behind catches up by asking; holding more for it costs everyone.
    if (channel.unsent.size() > m_limits.queueBytes) {
        drop(id);
        return false;
    }
    if (!channel.unsent.isEmpty()) {
        if (!channel.writer) {
            channel.writer = new QSocketNotifier(channel.descriptor, QSocketNotifier::Write, this);
            connect(channel.writer, &QSocketNotifier::activated, this,
                    [this, id] { onWritable(id); });
        }
        channel.writer->setEnabled(true);
    }
    return true;
}

void EventShard::onWritable(quint64 id) {
    const auto channel = m_channels.find(id);
    if (channel == m_channels.end())
        return;
    const ssize_t sent = ::send(channel->descriptor, channel->unsent.constData(),
                                size_t(channel->unsent.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (failed(sent)) {
        drop(id);
        return;
    }
    channel->unsent.remove(0, std::max<qsizetype>(sent, 0));
    if (channel->unsent.isEmpty()) {
        channel->unsent.squeeze();
        channel->writer->setEnabled(false);
    }
}

void EventShard::onReadable(quint64 id) {
    const auto channel = m_channels.find(id);
    if (channel == m_channels.end())
        return;
    // Clients have nothing to say on the channel: a few frames, each small, so reading a little
    // at a time costs nothing, and the loop comes back while more waits.
    char chunk[1024];
    const ssize_t got = ::recv(channel->descriptor, chunk, sizeof chunk, MSG_DONTWAIT);
    if (got == 0 || failed(got)) {
        drop(id);
        return;
    }
    if (got < 0)
        return;
    channel->unread.append(chunk, got);
    for (;;) {
        const auto it = m_channels.find(id);
        const WebSocketFrame::Inbound frame =
            WebSocketFrame::next(it->unread, m_limits.inboundFrameBytes);
        if (frame.kind == WebSocketFrame::Inbound::Kind::Incomplete)
            break;
        it->unread.remove(0, frame.length);
        if (!hear(id, frame))
            return;
    }
    // What is left is less than a frame.
    const auto it = m_channels.find(id);
    if (it->unread.isEmpty())
        it->unread.squeeze();
}

bool EventShard::hear(quint64 id, const WebSocketFrame::Inbound &frame) {
    using Kind = WebSocketFrame::Inbound::Kind;
    Channel &channel = *m_channels.find(id);
    // The pong a ping round asks for is the one frame a client is expected to send.
    const bool awaited = frame.kind == Kind::Pong && channel.missedPongs > 0;
    if (frame.kind == Kind::Broken || (!awaited && ++channel.inbound > m_limits.inboundPerPing)) {
        drop(id);
        return false;
    }
    switch (frame.kind) {
    case Kind::Pong:
        channel.missedPongs = 0;
        return true;
    case Kind::Ping:
        return write(id, WebSocketFrame::pong(frame.payload));
    case Kind::Close:
        // Answered with the status it came with; the connection then ends from this side.
        (void)write(id, WebSocketFrame::close(frame.payload.left(2)));
        drop(id);
        return false;
    default:
        return true;
    }
}

void EventShard::drop(quint64 id) {
    const auto it = m_channels.find(id);
    if (it == m_channels.end())
        return;
    const Channel channel = *it;
    m_channels.erase(it);
    // Possibly within one of their own signals; switched off before the descriptor closes, so
    // the loop forgets it first.
    for (QSocketNotifier *notifier : {channel.reader, channel.writer}) {
        if (!notifier)
            continue;
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    ::close(channel.descriptor);
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
            drop(id);
            continue;
        }
        ++channel->missedPongs;
        (void)write(id, WebSocketFrame::ping());
    }
}
