// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QHostAddress>

// Who called, as the request log and the per-address limits name the caller.
namespace CallerAddress {

// An IPv4 caller reaching a dual-stack socket shows as itself, not as a mapped IPv6 address.
[[nodiscard]] QHostAddress unmapped(const QHostAddress &address);
// The peer, unless the peer is the trusted proxy and says whom it forwards. Only the last
// X-Forwarded-For entry is the proxy's own word; earlier ones are the caller's claims.
[[nodiscard]] QByteArray of(const QHostAddress &peer, const QByteArray &forwardedFor,
                            const QHostAddress &proxy);

} // namespace CallerAddress
