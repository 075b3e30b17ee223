// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ServiceOptions.h"

#include <QStandardPaths>

QString ServiceOptions::defaultDatabasePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zirel-service/zirel.sqlite");
}

QString ServiceOptions::usage() {
    return QStringLiteral(
        "zirel-service [--port N] [--listen ADDR] [--database PATH|postgres://u:p@h:port/db]\n"
        "  [--public-url URL] [--tls-cert FILE --tls-key FILE] [--min-version V]\n"
        "  [--latest-version V] [--envelope-key BASE64] [--review-token TEXT]\n"
        "  [--max-body BYTES] [--body-budget BYTES] [--max-image BYTES] [--demo|--no-demo]\n"
        "  [--like-back P] [--demo-delay MS] [--workers N] [--position-cell METRES]\n"
        "  [--sign-ins-per-hour N] [--uploads-per-hour N] [--proxy ADDR]\n"
        "  [--timeouts HEADERS,BODY,IDLE] [--connections-per-address N]\n"
        "  [--event-ping MS] [--events-per-account N] [--event-threads N]\n"
        "Without --review-token there is no reviewers' account and no token opens one.\n"
        "Operator commands: --init-schema | --seed-demo N --near LAT,LONG [--radius KM]\n"
        "    [--full-size-photos]\n"
        "  | --ban USERID | --unban USERID | --revoke USERID (ends every sign-in)\n"
        "  | --list-users | --print-envelope-key   (add --serve to serve afterwards)\n");
}

namespace {
// "10,30,60": seconds, fractions allowed, each above zero.
bool parseDeadlines(const QString &text, BodyLimit::Deadlines *deadlines) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return false;
    std::chrono::milliseconds *targets[] = {&deadlines->headers, &deadlines->body,
                                            &deadlines->idle};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const double seconds = parts.at(i).toDouble(&ok);
        if (!ok || seconds <= 0 || seconds > 3600)
            return false;
        *targets[i] = std::chrono::milliseconds(qint64(seconds * 1000));
    }
    return true;
}
} // namespace

bool ServiceOptions::parse(const QStringList &arguments, QString *error) {
    database = defaultDatabasePath();
    for (int i = 1; i < arguments.size(); ++i) {
        const QString arg = arguments.at(i);
        const auto next = [&](QString *out) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("missing value after %1").arg(arg);
                return false;
            }
            *out = arguments.at(++i);
            return true;
        };
        QString v;
        bool ok = true;
        if (arg == QLatin1String("--init-schema")) {
            initSchema = true;
        } else if (arg == QLatin1String("--serve")) {
            serveAfterCommands = true;
        } else if (arg == QLatin1String("--list-users")) {
            listUsers = true;
        } else if (arg == QLatin1String("--full-size-photos")) {
            fullSizePhotos = true;
        } else if (arg == QLatin1String("--print-envelope-key")) {
            printEnvelopeKey = true;
        } else if (arg == QLatin1String("--demo")) {
            demo = demoForced = true;
        } else if (arg == QLatin1String("--no-demo")) {
            demo = false;
            demoForced = true;
        } else if (!next(&v)) {
            return false;
        } else if (arg == QLatin1String("--port")) {
            port = v.toUShort(&ok);
        } else if (arg == QLatin1String("--listen")) {
            ok = listenAddress.setAddress(v);
        } else if (arg == QLatin1String("--database")) {
            database = v;
        } else if (arg == QLatin1String("--public-url")) {
            publicBaseUrl = v;
        } else if (arg == QLatin1String("--tls-cert")) {
            tlsCert = v;
        } else if (arg == QLatin1String("--tls-key")) {
            tlsKey = v;
        } else if (arg == QLatin1String("--min-version")) {
            minVersion = v;
        } else if (arg == QLatin1String("--latest-version")) {
            latestVersion = v;
        } else if (arg == QLatin1String("--envelope-key")) {
            envelopeKey = QByteArray::fromBase64(v.toLatin1());
            ok = envelopeKey.size() == 32;
        } else if (arg == QLatin1String("--review-token")) {
            reviewToken = v;
        } else if (arg == QLatin1String("--max-body")) {
            maxBodyBytes = v.toLongLong(&ok);
        } else if (arg == QLatin1String("--body-budget")) {
            bodyBudgetBytes = v.toLongLong(&ok);
            ok = ok && bodyBudgetBytes > 0;
        } else if (arg == QLatin1String("--max-image")) {
            maxImageBytes = v.toLongLong(&ok);
        } else if (arg == QLatin1String("--like-back")) {
            likeBack = v.toDouble(&ok);
            ok = ok && likeBack >= 0 && likeBack <= 1;
        } else if (arg == QLatin1String("--demo-delay")) {
            demoDelayMs = v.toInt(&ok);
            ok = ok && demoDelayMs >= 0;
        } else if (arg == QLatin1String("--position-cell")) {
            positionCellMetres = v.toInt(&ok);
            ok = ok && positionCellMetres >= 1 && positionCellMetres <= 100000;
        } else if (arg == QLatin1String("--sign-ins-per-hour")) {
            signInsPerHour = v.toInt(&ok);
            ok = ok && signInsPerHour >= 1;
        } else if (arg == QLatin1String("--timeouts")) {
            ok = parseDeadlines(v, &deadlines);
        } else if (arg == QLatin1String("--uploads-per-hour")) {
            uploadsPerHour = v.toInt(&ok);
            ok = ok && uploadsPerHour >= 1;
        } else if (arg == QLatin1String("--connections-per-address")) {
            connectionsPerAddress = v.toInt(&ok);
            ok = ok && connectionsPerAddress >= 1;
        } else if (arg == QLatin1String("--event-ping")) {
            const int ms = v.toInt(&ok);
            ok = ok && ms >= 10 && ms <= 600000;
            events.ping = std::chrono::milliseconds(ms);
        } else if (arg == QLatin1String("--event-threads")) {
            events.threads = v.toInt(&ok);
            ok = ok && events.threads >= 1 && events.threads <= 64;
        } else if (arg == QLatin1String("--events-per-account")) {
            events.perAccount = v.toInt(&ok);
            ok = ok && events.perAccount >= 1;
        } else if (arg == QLatin1String("--proxy")) {
            ok = proxy.setAddress(v);
        } else if (arg == QLatin1String("--workers")) {
            workers = v.toInt(&ok);
            ok = ok && workers > 0 && workers <= 256;
        } else if (arg == QLatin1String("--seed-demo")) {
            seedCount = v.toInt(&ok);
            ok = ok && seedCount > 0;
        } else if (arg == QLatin1String("--near")) {
            const QStringList parts = v.split(QLatin1Char(','));
            bool okLong = false;
            ok = parts.size() == 2;
            if (ok) {
                nearLat = parts.at(0).toDouble(&ok);
                nearLong = parts.at(1).toDouble(&okLong);
            }
            ok = ok && okLong && qAbs(nearLat) <= 90 && qAbs(nearLong) <= 180;
        } else if (arg == QLatin1String("--radius")) {
            radiusKm = v.toDouble(&ok);
            ok = ok && radiusKm > 0;
        } else if (arg == QLatin1String("--ban")) {
            banUser = v;
        } else if (arg == QLatin1String("--unban")) {
            unbanUser = v;
        } else if (arg == QLatin1String("--revoke")) {
            revokeUser = v;
        } else {
            *error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
        if (!ok) {
            *error = QStringLiteral("bad value for %1: %2").arg(arg, v);
            return false;
        }
    }
    if (seedCount > 0 && !arguments.contains(QStringLiteral("--near"))) {
        *error = QStringLiteral("--seed-demo needs --near LAT,LONG");
        return false;
    }
    if (tlsCert.isEmpty() != tlsKey.isEmpty()) {
        *error = QStringLiteral("--tls-cert and --tls-key go together");
        return false;
    }
    return true;
}
