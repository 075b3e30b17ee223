// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSqlResult>
#include <QVariantList>

#include <libpq-fe.h>

// A statement run on a PostgreSQL connection, its rows held whole. Qt's driver prepares, runs
// and deallocates every statement, three round trips where one will do, and the server parsed
// and planned each anew; a request of ten statements spent most of its time on that. Here a
// connection prepares each statement once and then runs it in one round trip.
class PostgresResult : public QSqlResult {
public:
    PostgresResult(const QSqlDriver *driver, PGconn *connection);
    ~PostgresResult() override;
    PostgresResult(const PostgresResult &) = delete;
    PostgresResult &operator=(const PostgresResult &) = delete;

    // Makes sql, with '?' placeholders, the connection's statement `name`; the server's
    // message when it fails, or empty.
    [[nodiscard]] static QString prepare(PGconn *connection, const QByteArray &name,
                                         const QString &sql);
    // Runs the connection's statement `name`, made from sql, with binds; the server's message
    // when it fails, or empty.
    [[nodiscard]] QString run(const QByteArray &name, const QString &sql,
                              const QVariantList &binds);

    // The statement with '?' outside quoted text numbered $1, $2, ... as the server wants.
    [[nodiscard]] static QByteArray numbered(const QString &sql);

protected:
    QVariant data(int column) override;
    bool isNull(int column) override;
    bool reset(const QString &sql) override;
    bool fetch(int row) override;
    bool fetchFirst() override;
    bool fetchLast() override;
    int size() override;
    int numRowsAffected() override;

private:
    // Takes the answer; the server's message when it failed, or empty.
    QString take(PGresult *result);

    PGconn *m_connection;
    PGresult *m_result = nullptr;
};
