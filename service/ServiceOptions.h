// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "BodyLimit.h"
#include "EventHub.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QStringList>

// Everything the service can be told on its command line.
struct ServiceOptions {
    QHostAddress listenAddress = QHostAddress::LocalHost;
    quint16 port = 8765;
    QString database;
    QString publicBaseUrl;
    QString tlsCert;
    QString tlsKey;
    QString minVersion = QStringLiteral("1.0");
    QString latestVersion = QStringLiteral("1.0");
    // Empty unless given: the key stored in the database then opens device envelopes.
    QByteArray envelopeKey;
    QString reviewToken;
    qint64 maxBodyBytes = 24LL * 1024 * 1024;
    // Announced body bytes all connections of the process may be receiving at once (one body
    // of maxBodyBytes always may). The HTTP server holds about twice as much while it reads.
    qint64 bodyBudgetBytes = 24LL * 1024 * 1024;
    qint64 maxImageBytes = 10LL * 1024 * 1024;
    int tokenDays = 90;
    // The side of the grid cells people are kept in: no distance shown narrows anyone down
    // to less.
    int positionCellMetres = 1000;
    // How long a connection may take over a request's headers and its body, and stay idle.
    BodyLimit::Deadlines deadlines;
    // Sign-ins (and so new accounts) one caller address may make in an hour, in a burst or
    // spread out.
    int signInsPerHour = 30;
    // Photo uploads one account may make in an hour.
    int uploadsPerHour = 30;
    // Connections one address may hold open at once; the load balancer's are not counted.
    int connectionsPerAddress = 128;
    // The load balancer in front of the service: its calls are taken to come from the last
    // address of the X-Forwarded-For it adds. Null when callers connect directly.
    QHostAddress proxy;
    bool demo = true;
    bool demoForced = false;
    double likeBack = 0.5;
    // Pause before demo people act: like a newcomer, like back, answer a message.
    int demoDelayMs = 3000;
    // How event channels are pinged and how many one account may hold.
    EventHub::Limits events;
    // Threads answering requests, each with its own database connection. More than the cores:
    // most of a request's time is spent waiting for the database.
    int workers = 8;

    // Operator commands; the process serves when none is given, or after them with --serve.
    bool initSchema = false;
    int seedCount = 0;
    double nearLat = 0;
    double nearLong = 0;
    double radiusKm = 20;
    bool fullSizePhotos = false;
    QString banUser;
    QString unbanUser;
    QString revokeUser;
    bool listUsers = false;
    bool printEnvelopeKey = false;
    bool serveAfterCommands = false;

    [[nodiscard]] bool hasCommand() const {
        return initSchema || seedCount > 0 || !banUser.isEmpty() || !unbanUser.isEmpty() ||
               !revokeUser.isEmpty() || listUsers || printEnvelopeKey;
    }

    // Fills the options from arguments; on failure returns false with a message in *error.
    [[nodiscard]] bool parse(const QStringList &arguments, QString *error);
    [[nodiscard]] static QString defaultDatabasePath();
    [[nodiscard]] static QString usage();
};
