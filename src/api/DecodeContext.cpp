// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/DecodeContext.h"

#include "api/WireFormat.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {

QString describe(const QJsonValue &value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QJsonValue::String:
        return u'"' + value.toString() + u'"';
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

} // namespace

DecodeContext::DecodeContext(const QJsonValue &value, DateStyle dates)
    : m_value(value)
    , m_dates(dates)
    , m_failure(std::make_shared<QString>()) {}

DecodeContext::DecodeContext(const DecodeContext &parent, const QJsonValue &value,
                             const QString &path)
    : m_value(value)
    , m_path(path)
    , m_dates(parent.m_dates)
    , m_failure(parent.m_failure) {}

DecodeContext DecodeContext::child(const char *key) {
    return DecodeContext(*this, required(key).value_or(QJsonValue()), keyPath(key));
}

QString DecodeContext::keyPath(const char *key) const {
    const QString name = QString::fromLatin1(key);
    return m_path.isEmpty() ? name : m_path + u'.' + name;
}

void DecodeContext::fail(const QString &path, const QString &description) {
    if (!ok())
        return;
    *m_failure = path.isEmpty() ? QStringLiteral("Top level: %1").arg(description)
                                : QStringLiteral("Key \"%1\": %2").arg(path, description);
}

bool DecodeContext::expect(bool condition, const QString &expected, const QJsonValue &got,
                           const QString &path) {
    if (!condition)
        fail(path, QStringLiteral("expected %1, got %2").arg(expected, describe(got)));
    return condition && ok();
}

void DecodeContext::requireObject() {
    expect(m_value.isObject(), QStringLiteral("an object"), m_value);
}

std::optional<QJsonValue> DecodeContext::required(const char *key) {
    if (!expect(m_value.isObject(), QStringLiteral("an object"), m_value))
        return std::nullopt;
    const QJsonObject object = m_value.toObject();
    const auto found = object.constFind(QLatin1String(key));
    if (found == object.constEnd()) {
        fail(keyPath(key), QStringLiteral("required key is missing"));
        return std::nullopt;
    }
    return *found;
}

std::optional<QJsonValue> DecodeContext::optional(const char *key) {
    if (!expect(m_value.isObject(), QStringLiteral("an object"), m_value))
        return std::nullopt;
    const QJsonValue value = m_value.toObject().value(QLatin1String(key));
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    return value;
}

QString DecodeContext::stringAt(const QString &path, const QJsonValue &value) {
    return expect(value.isString(), QStringLiteral("a string"), value, path) ? value.toString()
                                                                             : QString();
}

QString DecodeContext::string(const char *key) {
    const auto value = required(key);
    return value ? stringAt(keyPath(key), *value) : QString();
}

std::optional<QString> DecodeContext::optionalString(const char *key) {
    const auto value = optional(key);
    if (!value)
        return std::nullopt;
    return stringAt(keyPath(key), *value);
}

int DecodeContext::integer(const char *key) {
    const auto value = required(key);
    if (!value)
        return 0;
    const double number = value->toDouble();
    const bool whole = value->isDouble() && std::isfinite(number) && std::trunc(number) == number;
    if (!expect(whole, QStringLiteral("an integer"), *value, keyPath(key)))
        return 0;
    const bool fits =
        number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max();
    if (!expect(fits, QStringLiteral("an integer in the 32-bit range"), *value, keyPath(key)))
        return 0;
    return static_cast<int>(number);
}

double DecodeContext::number(const char *key) {
    const auto value = required(key);
    if (!value || !expect(value->isDouble(), QStringLiteral("a number"), *value, keyPath(key)))
        return 0.0;
    return value->toDouble();
}

bool DecodeContext::boolean(const char *key) {
    const auto value = required(key);
    if (!value || !expect(value->isBool(), QStringLiteral("a Boolean"), *value, keyPath(key)))
        return false;
    return value->toBool();
}

QStringList DecodeContext::stringsAt(const QString &path, const QJsonValue &value) {
    QStringList result;
    if (!expect(value.isArray(), QStringLiteral("an array of strings"), value, path))
        return result;
    const QJsonArray array = value.toArray();
    for (qsizetype i = 0; i < array.size() && ok(); ++i)
        result.append(stringAt(path + QStringLiteral("[%1]").arg(i), array.at(i)));
    return result;
}

QStringList DecodeContext::strings(const char *key) {
    const auto value = required(key);
    return value ? stringsAt(keyPath(key), *value) : QStringList();
}

std::optional<QStringList> DecodeContext::optionalStrings(const char *key) {
    const auto value = optional(key);
    if (!value)
        return std::nullopt;
    return stringsAt(keyPath(key), *value);
}

QUuid DecodeContext::uuidAt(const QString &path, const QJsonValue &value) {
    const QString text = stringAt(path, value);
    if (!ok())
        return {};
    const auto uuid = WireFormat::parseUuid(text);
    expect(uuid.has_value(), QStringLiteral("a canonical UUID"), value, path);
    return uuid.value_or(QUuid());
}

QUuid DecodeContext::uuid(const char *key) {
    const auto value = required(key);
    return value ? uuidAt(keyPath(key), *value) : QUuid();
}

std::optional<QUuid> DecodeContext::optionalUuid(const char *key) {
    const auto value = optional(key);
    if (!value)
        return std::nullopt;
    return uuidAt(keyPath(key), *value);
}

QDateTime DecodeContext::dateAt(const QString &path, const QJsonValue &value) {
    if (m_dates == DateStyle::local) {
        if (!expect(value.isDouble(), QStringLiteral("a number of seconds"), value, path))
            return {};
        const QDateTime date = WireFormat::fromReferenceSeconds(value.toDouble());
        expect(date.isValid(), QStringLiteral("seconds within the calendar"), value, path);
        return date;
    }
    const QString text = stringAt(path, value);
    if (!ok())
        return {};
    if (!expect(WireFormat::hasDateShape(text), QStringLiteral("a date without fractional seconds"),
                value, path))
        return {};
    const auto date = WireFormat::parseDate(text);
    expect(date.has_value(), QStringLiteral("a date that exists"), value, path);
    return date.value_or(QDateTime());
}

std::optional<QDateTime> DecodeContext::optionalDate(const char *key) {
    const auto value = optional(key);
    if (!value)
        return std::nullopt;
    return dateAt(keyPath(key), *value);
}

GenderSelection DecodeContext::gender(const char *key) {
    const auto value = required(key);
    if (!value)
        return GenderSelection::all;
    const auto gender = genderSelectionFromText(stringAt(keyPath(key), *value));
    expect(gender.has_value(), QStringLiteral("\"man\", \"woman\" or \"all\""), *value,
           keyPath(key));
    return gender.value_or(GenderSelection::all);
}
