// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "PostgresResult.h"

#include <QSqlError>

#include <vector>

namespace {

// Type ids from the server's catalogue; every other type arrives as text.
constexpr Oid kBool = 16;
constexpr Oid kInt8 = 20;
constexpr Oid kInt2 = 21;
constexpr Oid kInt4 = 23;
constexpr Oid kFloat4 = 700;
constexpr Oid kFloat8 = 701;
constexpr Oid kNumeric = 1700;

// A NULL keeps the column's type, as Qt's own drivers give it.
template <typename T, typename Parse> QVariant typed(const char *text, Parse parse) {
    return text ? QVariant::fromValue<T>(parse(text)) : QVariant(QMetaType::fromType<T>());
}

// A value in the server's text form, or NULL for a null text.
QVariant valueOf(Oid type, const char *text, int length) {
    switch (type) {
    case kBool:
        return typed<bool>(text, [](const char *t) { return t[0] == 't'; });
    case kInt8:
        return typed<qlonglong>(text, [](const char *t) { return QByteArray(t).toLongLong(); });
    case kInt2:
    case kInt4:
        return typed<int>(text, [](const char *t) { return QByteArray(t).toInt(); });
    case kFloat4:
    case kFloat8:
    case kNumeric:
        return typed<double>(text, [](const char *t) { return QByteArray(t).toDouble(); });
    default:
        return typed<QString>(text,
                              [length](const char *t) { return QString::fromUtf8(t, length); });
    }
}

// A bound value in the server's text form. Flags are INTEGER columns here, so a bool is 1 or 0.
QByteArray textOf(const QVariant &value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? "1" : "0";
    case QMetaType::Double:
        return QByteArray::number(value.toDouble(), 'g', 17);
    case QMetaType::QByteArray:
        return value.toByteArray();
    default:
        return value.toString().toUtf8();
    }
}

} // namespace

PostgresResult::PostgresResult(const QSqlDriver *driver, PGconn *connection)
    : QSqlResult(driver)
    , m_connection(connection) {}

PostgresResult::~PostgresResult() {
    PQclear(m_result);
}

QByteArray PostgresResult::numbered(const QString &sql) {
    const QByteArray text = sql.toUtf8();
    QByteArray out;
    out.reserve(text.size() + 16);
    bool quoted = false;
    int next = 1;
    for (const char c : text) {
        if (c == '\'')
            quoted = !quoted;
        if (c == '?' && !quoted)
            out += '$' + QByteArray::number(next++);
        else
            out += c;
    }
    return out;
}

QString PostgresResult::prepare(PGconn *connection, const QByteArray &name, const QString &sql) {
    PGresult *result =
        PQprepare(connection, name.constData(), numbered(sql).constData(), 0, nullptr);
    const bool prepared = PQresultStatus(result) == PGRES_COMMAND_OK;
    const QString message = QString::fromUtf8(PQresultErrorMessage(result)).trimmed();
    PQclear(result);
    if (prepared)
        return {};
    return message.isEmpty() ? QStringLiteral("no answer") : message;
}

QString PostgresResult::run(const QByteArray &name, const QString &sql, const QVariantList &binds) {
    setQuery(sql);
    std::vector<QByteArray> texts;
    texts.reserve(size_t(binds.size()));
    std::vector<const char *> values;
    for (const QVariant &bind : binds) {
        if (bind.isNull()) {
            values.push_back(nullptr);
            continue;
        }
        texts.push_back(textOf(bind));
        values.push_back(texts.back().constData());
    }
    return take(PQexecPrepared(m_connection, name.constData(), int(values.size()), values.data(),
                               nullptr, nullptr, 0));
}

QString PostgresResult::take(PGresult *result) {
    PQclear(m_result);
    m_result = result;
    setActive(false);
    setAt(QSql::BeforeFirstRow);
    const ExecStatusType status = PQresultStatus(m_result);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        const QString message = QString::fromUtf8(PQresultErrorMessage(m_result)).trimmed();
        setLastError(QSqlError(QStringLiteral("Unable to run the statement"), message,
                               QSqlError::StatementError));
        return message.isEmpty() ? QStringLiteral("no answer") : message;
    }
    setSelect(status == PGRES_TUPLES_OK);
    setActive(true);
    return {};
}

QVariant PostgresResult::data(int column) {
    const bool null = PQgetisnull(m_result, at(), column) != 0;
    return valueOf(PQftype(m_result, column), null ? nullptr : PQgetvalue(m_result, at(), column),
                   PQgetlength(m_result, at(), column));
}

bool PostgresResult::isNull(int column) {
    return PQgetisnull(m_result, at(), column) != 0;
}

bool PostgresResult::reset(const QString &sql) {
    setQuery(sql);
    return take(PQexec(m_connection, sql.toUtf8().constData())).isEmpty();
}

bool PostgresResult::fetch(int row) {
    if (!isActive() || !isSelect() || row < 0 || row >= size())
        return false;
    setAt(row);
    return true;
}

bool PostgresResult::fetchFirst() {
    return fetch(0);
}

bool PostgresResult::fetchLast() {
    return fetch(size() - 1);
}

int PostgresResult::size() {
    return isSelect() ? PQntuples(m_result) : -1;
}

int PostgresResult::numRowsAffected() {
    return m_result ? QByteArray(PQcmdTuples(m_result)).toInt() : -1;
}
