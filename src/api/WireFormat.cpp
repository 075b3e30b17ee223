#include "api/WireFormat.h"

#include <QRegularExpression>
#include <QTimeZone>

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

std::optional<QDateTime> parseDate(const QString &text) {
    // QDateTime's own ISO reader also takes fractions, missing seconds and other shapes; the
    // service promises exactly this one, so anything else is a broken answer.
    static const QRegularExpression internetDateTime(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}(Z|[+-]\\d{2}:\\d{2})$"));
    if (!internetDateTime.match(text).hasMatch())
        return std::nullopt;
    QDateTime date = QDateTime::fromString(text, Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date.toUTC();
}

double referenceSeconds(const QDateTime &date) {
    return static_cast<double>(referenceDate().msecsTo(date)) / 1000.0;
}

QDateTime fromReferenceSeconds(double seconds) {
    return referenceDate().addMSecs(qRound64(seconds * 1000.0));
}

QJsonValue dateValue(const QDateTime &date, DateStyle style) {
    if (style == DateStyle::local)
        return referenceSeconds(date);
    return dateText(date);
}

} // namespace WireFormat
