// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "RoundTrip.h"
#include "WebSocketFrame.h"

// The service reads event-channel frames from anyone who opened a channel, in whatever pieces
// the network cuts them into.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    using Kind = WebSocketFrame::Inbound::Kind;
    constexpr qint64 kMaxPayload = 512;
    const QByteArray buffer = RoundTrip::bytes(data, size);
    const WebSocketFrame::Inbound frame = WebSocketFrame::next(buffer, kMaxPayload);
    if (frame.kind == Kind::Incomplete || frame.kind == Kind::Broken)
        return 0;
    if (frame.length < 6 || frame.length > buffer.size() || frame.length > 14 + kMaxPayload)
        RoundTrip::broken("a frame's length is outside the buffer", buffer, {});
    if (frame.payload.size() > 125)
        RoundTrip::broken("a control frame says more than it may", buffer, frame.payload);
    // Cut anywhere before its end, the same frame waits for more: it is neither read early nor
    // taken for a broken one.
    for (qsizetype cut = 0; cut < frame.length; ++cut)
        if (WebSocketFrame::next(buffer.first(cut), kMaxPayload).kind != Kind::Incomplete)
            RoundTrip::broken("a frame cut short is read", buffer.first(cut), {});
    const WebSocketFrame::Inbound again =
        WebSocketFrame::next(buffer.first(frame.length), kMaxPayload);
    if (again.kind != frame.kind || again.payload != frame.payload)
        RoundTrip::broken("a frame reads differently alone", buffer, again.payload);
    return 0;
}
