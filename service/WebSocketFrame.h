// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The few WebSocket frames an open event channel still exchanges once its handshake is done:
// texts and pings out, pongs in, a close either way. Written and read here rather than through
// Qt's socket objects, which kept about 20 KiB of buffers and bookkeeping per idle channel.
namespace WebSocketFrame {

// What the service sends; never masked, as from a server.
[[nodiscard]] QByteArray text(QByteArrayView utf8);
[[nodiscard]] QByteArray ping();
[[nodiscard]] QByteArray pong(QByteArrayView payload);
// `payload` is the status code the peer closed with, or empty.
[[nodiscard]] QByteArray close(QByteArrayView payload);

struct Inbound {
    enum class Kind {
        Incomplete, // the frame's end has not arrived yet
        Data,
        Ping,
        Pong,
        Close,
        Broken, // not a frame a client may send: the channel ends
    };
    Kind kind = Kind::Incomplete;
    // Bytes the frame took at the start of the buffer.
    qsizetype length = 0;
    // Unmasked; kept for control frames only, which must be answered with it.
    QByteArray payload;
};

// The first frame of what a client has sent. A frame whose payload is over `maxPayload` is
// Broken as soon as its header says so, without waiting for the rest.
[[nodiscard]] Inbound next(QByteArrayView buffer, qint64 maxPayload);

} // namespace WebSocketFrame
