// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/GenderSelection.h"
#include "api/WireFormat.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QStringList>
#include <QUuid>
#include <memory>
#include <optional>

// Reads one JSON value of a record strictly and remembers the first failure with the key path
// where it happened ("messages[3].createdAt"). Contexts for nested values share that failure,
// so a record's reader just reads its fields and the caller checks ok() once at the end.
// After a failure the readers return default values that nobody must use.
class DecodeContext {
public:
    explicit DecodeContext(const QJsonValue &value, DateStyle dates = DateStyle::wire);

    [[nodiscard]] bool ok() const { return m_failure->isEmpty(); }
    // A readable English description of the first failure, empty while ok().
    [[nodiscard]] QString failure() const { return *m_failure; }

    // Fails unless this value is a JSON object; the field readers below check it themselves.
    void requireObject();
    [[nodiscard]] QString string(const char *key);
    [[nodiscard]] std::optional<QString> optionalString(const char *key);
    [[nodiscard]] int integer(const char *key);
    [[nodiscard]] double number(const char *key);
    [[nodiscard]] bool boolean(const char *key);
    [[nodiscard]] QStringList strings(const char *key);
    [[nodiscard]] std::optional<QStringList> optionalStrings(const char *key);
    [[nodiscard]] QUuid uuid(const char *key);
    [[nodiscard]] std::optional<QUuid> optionalUuid(const char *key);
    [[nodiscard]] std::optional<QDateTime> optionalDate(const char *key);
    [[nodiscard]] GenderSelection gender(const char *key);

    // A nested record, read by T::read(DecodeContext &).
    template <class T> [[nodiscard]] T record(const char *key) {
        DecodeContext nested = child(key);
        return T::read(nested);
    }
    // An array of nested records.
    template <class T> [[nodiscard]] QList<T> records(const char *key) {
        DecodeContext nested = child(key);
        return nested.template elements<T>();
    }
    // This value read as an array of records.
    template <class T> [[nodiscard]] QList<T> elements() {
        QList<T> result;
        if (!expect(m_value.isArray(), QStringLiteral("an array"), m_value))
            return result;
        const QJsonArray array = m_value.toArray();
        for (qsizetype i = 0; i < array.size() && ok(); ++i) {
            DecodeContext element(*this, array.at(i), m_path + QStringLiteral("[%1]").arg(i));
            result.append(T::read(element));
        }
        return result;
    }

private:
    DecodeContext(const DecodeContext &parent, const QJsonValue &value, const QString &path);

    [[nodiscard]] DecodeContext child(const char *key);
    // The value of a key; nothing (and a failure) when this is not an object or the key is
    // absent. Optional readers treat absent and null alike and fail on nothing else.
    [[nodiscard]] std::optional<QJsonValue> required(const char *key);
    [[nodiscard]] std::optional<QJsonValue> optional(const char *key);
    [[nodiscard]] QString keyPath(const char *key) const;
    bool expect(bool condition, const QString &expected, const QJsonValue &got,
                const QString &path);
    bool expect(bool condition, const QString &expected, const QJsonValue &got) {
        return expect(condition, expected, got, m_path);
    }
    void fail(const QString &path, const QString &description);
    [[nodiscard]] QString stringAt(const QString &path, const QJsonValue &value);
    [[nodiscard]] QStringList stringsAt(const QString &path, const QJsonValue &value);
    [[nodiscard]] QUuid uuidAt(const QString &path, const QJsonValue &value);
    [[nodiscard]] QDateTime dateAt(const QString &path, const QJsonValue &value);

    QJsonValue m_value;
    QString m_path;
    DateStyle m_dates;
    std::shared_ptr<QString> m_failure;
};

// Decodes a whole value with Reader::read, or fills *error with the reason.
template <class Reader>
[[nodiscard]] auto decodeRecord(const QJsonValue &value, QString *error,
                                DateStyle dates = DateStyle::wire)
    -> std::optional<decltype(Reader::read(std::declval<DecodeContext &>()))> {
    DecodeContext context(value, dates);
    auto record = Reader::read(context);
    if (context.ok())
        return record;
    if (error)
        *error = context.failure();
    return std::nullopt;
}
