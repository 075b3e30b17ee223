// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDateTime>
#include <QJsonValue>
#include <QString>
#include <QUuid>
#include <optional>

// Wire records carry ISO texts; the local copies carry seconds since 2001-01-01.
enum class DateStyle { wire, local };

// The scalar encodings shared by every record the service and the local copies exchange.
namespace WireFormat {

// Canonical upper-case 8-4-4-4-12 text, without braces.
[[nodiscard]] QString uuidText(const QUuid &uuid);
// Accepts only the canonical 36-character form, in either case.
[[nodiscard]] std::optional<QUuid> parseUuid(const QString &text);

// Internet date-time in UTC with the suffix Z and whole seconds, e.g. 2025-01-31T18:04:05Z.
[[nodiscard]] QString dateText(const QDateTime &date);
// Whether the text has the one shape of an internet date-time the service sends: whole
// seconds, hours 00 to 23, and Z or a ±hh:mm offset.
[[nodiscard]] bool hasDateShape(const QString &text);
// Internet date-time with Z or a ±hh:mm offset, naming a moment that exists and can be
// written again; fractional seconds are refused.
[[nodiscard]] std::optional<QDateTime> parseDate(const QString &text);

// Local copies store dates as seconds since 2001-01-01T00:00:00Z.
[[nodiscard]] double referenceSeconds(const QDateTime &date);
// Invalid when the seconds are not a number or lie thousands of years away.
[[nodiscard]] QDateTime fromReferenceSeconds(double seconds);

// A date as a JSON value in the given style.
[[nodiscard]] QJsonValue dateValue(const QDateTime &date, DateStyle style);

} // namespace WireFormat
