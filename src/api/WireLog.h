// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

// The service's raw answers, for a developer who turns them on
// (QT_LOGGING_RULES="zirel.wire.debug=true"); off by default, since they hold the user's
// birthday, position and messages. Even then no secret is written.
Q_DECLARE_LOGGING_CATEGORY(lcWire)

namespace WireLog {
/// The body as text with the values of secret fields (tokens, envelopes, identities) masked;
/// a body that is not JSON is given as is.
[[nodiscard]] QString masked(const QByteArray &body);
} // namespace WireLog
