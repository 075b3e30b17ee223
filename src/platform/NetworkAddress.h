// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QUrl>

// Which addresses the client talks to: https anywhere, plain http only on this machine (the
// local reference service), nothing else (no file:, data: or other schemes).
namespace NetworkAddress {
[[nodiscard]] bool isLoopbackHost(const QString &host);
/// Whether the client may fetch from this address at all.
[[nodiscard]] bool mayFetch(const QUrl &url);
} // namespace NetworkAddress
