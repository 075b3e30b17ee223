// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "WebSocketFrame.h"

#include <QtEndian>

namespace WebSocketFrame {

namespace {

enum Opcode : quint8 {
    TextFrame = 0x1,
    BinaryFrame = 0x2,
    CloseFrame = 0x8,
    PingFrame = 0x9,
    PongFrame = 0xA,
};

constexpr quint8 kFinal = 0x80;
constexpr quint8 kReserved = 0x70;
constexpr quint8 kMasked = 0x80;
// Control frames are never split and say at most this much.
constexpr qsizetype kControlPayload = 125;

QByteArray frame(Opcode opcode, QByteArrayView payload) {
    QByteArray out;
    out.reserve(payload.size() + 10);
    out.append(char(kFinal | opcode));
    const auto size = quint64(payload.size());
    if (size < 126) {
        out.append(char(size));
    } else if (size <= 0xFFFF) {
        out.append(char(126));
        char length[2];
        qToBigEndian(quint16(size), length);
        out.append(length, 2);
    } else {
        out.append(char(127));
        char length[8];
        qToBigEndian(size, length);
        out.append(length, 8);
    }
    out.append(payload);
    return out;
}

} // namespace

QByteArray text(QByteArrayView utf8) {
    return frame(TextFrame, utf8);
}

QByteArray ping() {
    return frame(PingFrame, {});
}

QByteArray pong(QByteArrayView payload) {
    return frame(PongFrame, payload);
}

QByteArray close(QByteArrayView payload) {
    return frame(CloseFrame, payload);
}

Inbound next(QByteArrayView buffer, qint64 maxPayload) {
    using Kind = Inbound::Kind;
    const Inbound broken{Kind::Broken, 0, {}};
    if (buffer.size() < 2)
        return {};
    const auto first = quint8(buffer[0]);
    const auto second = quint8(buffer[1]);
    const quint8 opcode = first & 0x0F;
    const bool control = (opcode & 0x08) != 0;
    // Data frames are continuations (0), texts (1) and binaries (2).
    // A client masks every frame; no extension was agreed, so no reserved bit may be set.
    if ((first & kReserved) != 0 || (second & kMasked) == 0)
        return broken;
    if (control ? (opcode > PongFrame || (first & kFinal) == 0) : opcode > BinaryFrame)
        return broken;
    qsizetype at = 2;
    quint64 size = second & 0x7F;
    if (size == 126) {
        if (buffer.size() < at + 2)
            return {};
        size = qFromBigEndian<quint16>(buffer.data() + at);
        at += 2;
    } else if (size == 127) {
        if (buffer.size() < at + 8)
            return {};
        size = qFromBigEndian<quint64>(buffer.data() + at);
        at += 8;
    }
    if (size > quint64(maxPayload) || (control && size > quint64(kControlPayload)))
        return broken;
    const qsizetype length = at + 4 + qsizetype(size);
    if (buffer.size() < length)
        return {};
    Inbound inbound{Kind::Data, length, {}};
    switch (opcode) {
    case CloseFrame:
        // A close says nothing or starts with a two-byte status code.
        if (size == 1)
            return broken;
        inbound.kind = Kind::Close;
        break;
    case PingFrame:
        inbound.kind = Kind::Ping;
        break;
    case PongFrame:
        inbound.kind = Kind::Pong;
        break;
    default:
        return inbound;
    }
    const QByteArrayView mask = buffer.sliced(at, 4);
    inbound.payload = buffer.sliced(at + 4, qsizetype(size)).toByteArray();
    for (qsizetype i = 0; i < inbound.payload.size(); ++i)
        inbound.payload[i] = char(inbound.payload[i] ^ mask[i % 4]);
    return inbound;
}

} // namespace WebSocketFrame
