// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QTemporaryDir>

#include <memory>

#include "PostgresCluster.h"

class ApiServer;
class QProcess;
class Database;
struct ServiceContext;

// A service on a free loopback port over a temporary database, plus a synchronous HTTP client.
class ServiceHarness {
public:
    struct Answer {
        int status = 0;
        QByteArray body;
        QByteArray contentType;
        [[nodiscard]] QJsonObject object() const;
        [[nodiscard]] QJsonArray array() const;
        // True when the body is the service error body with a non-empty reason.
        [[nodiscard]] bool isError() const;
    };

    // The review token the harness starts the service with; `--review-token ""` among the
    // extra arguments turns review mode off.
    static inline const QString kReviewToken = QStringLiteral("v4.local.review.harness");

    // Tests sign up crowds from one address; the limit has a test of its own.
    static inline const QStringList kManySignIns{QStringLiteral("--sign-ins-per-hour"),
                                                 QStringLiteral("1000000")};

    // Rows for a data-driven test whose rules live partly in SQL: once on SQLite, once on
    // PostgreSQL (the "postgres" column).
    static void onBothDatabases();
    // The row's database: the harness's own SQLite file, or a fresh PostgreSQL cluster, which
    // set-up installs, so a missing one is a problem, not a skip.
    struct RowDatabase {
        std::unique_ptr<PostgresCluster> cluster;
        QStringList arguments;
        QString problem;
    };
    [[nodiscard]] static RowDatabase rowDatabase();

    explicit ServiceHarness(const QStringList &extraArguments = {});
    ~ServiceHarness();

    Answer call(const QByteArray &method, const QString &path, const QByteArray &body = {},
                const QString &token = {}, const QHash<QByteArray, QByteArray> &headers = {});
    Answer json(const QByteArray &method, const QString &path, const QJsonObject &body,
                const QString &token = {});
    [[nodiscard]] QJsonArray get(const QString &path, const QString &token);
    // The first page of the caller's matches, as the chats screen asks for it.
    [[nodiscard]] QJsonArray chats(const QString &token);
    // The answer's "status" ("swipeCreated", "matchCreated", ...); fromUserID is sent when given.
    QString swipe(const QString &token, const QString &to, const QString &kind,
                  const QString &message = {}, const QString &fromUserID = {});
    // Saves feed settings; `widen` allows both the wider distance and the wider ages.
    int putSettings(const QString &token, int maxDistance, const QString &gender, int ageStart,
                    int ageEnd, bool widen = false, bool active = true);
    // The sealed envelope a device sends for userId; cloudId defaults to one made from the id.
    // Every envelope carries a fresh attestation token: the installation's identifier (random
    // unless given) and 16 fresh bytes; `previousCloudId` names the identity it moves from.
    [[nodiscard]] QString envelope(const QString &userId, const QString &cloudId = {},
                                   const QByteArray &installation = {},
                                   const QString &previousCloudId = {}) const;
    Answer validateDevice(const QString &envelope);
    // Signs in like a device would, with a sealed envelope; returns the access token.
    QString signIn(const QString &userId);
    // Signs in, registers and places the person; birthday is "ddMMyyyy" for the given age.
    QString signUp(const QString &userId, const QString &gender, const QString &wants, int age,
                   double lat, double lon);
    // Runs the service binary with arguments to its end; its standard output, or "" on a crash.
    [[nodiscard]] static QString runBinary(const QStringList &arguments, int *exitCode);
    // Starts the service binary serving on a free loopback port (*port) with a key of its
    // own unless the arguments name one; null when it did not come up.
    // With a `launcher` (a command and its arguments) the binary runs under it.
    [[nodiscard]] static std::unique_ptr<QProcess>
    serveBinary(const QStringList &arguments, quint16 *port, const QStringList &launcher = {});
    [[nodiscard]] static QString birthdayForAge(int age);
    [[nodiscard]] static QString newUserId();
    // The key this service opens envelopes with.
    [[nodiscard]] const QByteArray &envelopeKey() const { return m_envelopeKey; }
    [[nodiscard]] ServiceContext &context();
    // Event channels the service holds open.
    [[nodiscard]] int eventChannels() const;
    [[nodiscard]] quint16 port() const { return m_port; }
    [[nodiscard]] QString databasePath() const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<ApiServer> m_server;
    QNetworkAccessManager m_network;
    quint16 m_port = 0;
    QByteArray m_envelopeKey;
};
