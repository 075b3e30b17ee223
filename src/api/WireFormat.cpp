// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/WireFormat.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <cmath>

namespace WireFormat {

namespace {

const QDateTime &referenceDate() {
    static const QDateTime date(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    return date;
}

} // namespace

QString uuidText(const QUuid &uuid) {
    return uuid.toString(QUuid::WithoutBraces).toUpper();
}

std::optional<QUuid> parseUuid(const QString &text) {
    static const QRegularExpression canonical(QStringLiteral(
        "^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}$"));
    if (!canonical.match(text).hasMatch())
        return std::nullopt;
    return QUuid::fromString(text);
}

QString dateText(const QDateTime &date) {
    return date.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
}

bool hasDateShape(const QString &text) {
    // QDateTime's own ISO reader also takes fractions, missing seconds, hour 24 and other
    // shapes; the service promises exactly this one, so anything else is a broken answer.
    static const QRegularExpression internetDateTime(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d"
                       "(Z|[+-]([01]\\d|2[0-3]):[0-5]\\d)$"));
    return internetDateTime.match(text).hasMatch();
}

std::optional<QDateTime> parseDate(const QString &text) {
    if (!hasDateShape(text))
        return std::nullopt;
    const QDateTime date = QDateTime::fromString(text, Qt::ISODate).toUTC();
    // Only dates this format can write again: a year past 9999 in UTC cannot be.
    if (!date.isValid() || date.date().year() < 1 || date.date().year() > 9999)
        return std::nullopt;
    return date;
}

double referenceSeconds(const QDateTime &date) {
    return static_cast<double>(referenceDate().msecsTo(date)) / 1000.0;
}

QDateTime fromReferenceSeconds(double seconds) {
    // About ±3000 years around 2001: further out the milliseconds no longer fit, and no date
    // the client stores lies there.
    constexpr double kLimit = 1e11;
    if (!std::isfinite(seconds) || std::abs(seconds) > kLimit)
        return {};
    return referenceDate().addMSecs(qRound64(seconds * 1000.0));
}

QJsonValue dateValue(const QDateTime &date, DateStyle style) {
    if (style == DateStyle::local)
        return referenceSeconds(date);
    return dateText(date);
}

} // namespace WireFormat
