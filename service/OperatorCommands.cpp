// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "OperatorCommands.h"

#include "ApiRequest.h"
#include "DemoSeeder.h"
#include "EnvelopeKeyStore.h"
#include "ServiceContext.h"

#include <QSqlQuery>
#include <QTextStream>

OperatorCommands::OperatorCommands(ServiceContext &ctx)
    : m_ctx(ctx) {}

bool OperatorCommands::run() {
    const ServiceOptions &o = m_ctx.options;
    QTextStream out(stdout);
    try {
        if (o.initSchema) {
            out << "Schema is up to date" << Qt::endl;
            initEnvelopeKey();
        }
        if (o.seedCount > 0) {
            DemoSeeder seeder(m_ctx);
            seeder.seed(o.seedCount, o.nearLat, o.nearLong, o.radiusKm,
                        o.fullSizePhotos ? DemoPhotos::FullSize : DemoPhotos::Few);
            if (!o.reviewToken.isEmpty())
                seeder.ensureReviewer();
            out << "Seeded demo people: " << o.seedCount << Qt::endl;
        }
        if (!o.banUser.isEmpty() && !setBanned(o.banUser, true))
            return false;
        if (!o.unbanUser.isEmpty() && !setBanned(o.unbanUser, false))
            return false;
        if (!o.revokeUser.isEmpty() && !revoke(o.revokeUser))
            return false;
        if (o.listUsers)
            listUsers();
        if (o.printEnvelopeKey && !printEnvelopeKey())
            return false;
    } catch (const DbError &e) {
        out << "Database error: " << e.what() << Qt::endl;
        return false;
    }
    return true;
}

void OperatorCommands::initEnvelopeKey() {
    QTextStream out(stdout);
    EnvelopeKeyStore keys(m_ctx.db);
    if (!m_ctx.options.envelopeKey.isEmpty()) {
        keys.save(m_ctx.options.envelopeKey);
        out << "Envelope key stored" << Qt::endl;
        return;
    }
    // Shown this once: clients are built with it, and the database is the only other copy.
    const QByteArray made = keys.generateIfMissing();
    if (made.isEmpty())
        out << "Envelope key already set" << Qt::endl;
    else
        out << "Envelope key (build clients with -DZIREL_ENVELOPE_KEY=<key>): " << made.toBase64()
            << Qt::endl;
}

bool OperatorCommands::setBanned(const QString &userId, bool banned) {
    const QString id = ApiRequest::canonicalUuid(userId);
    QTextStream out(stdout);
    if (id.isEmpty() || !m_ctx.users.setBanned(id, banned)) {
        out << "No such user: " << userId << Qt::endl;
        return false;
    }
    if (banned)
        m_ctx.events.close({id});
    out << (banned ? "Banned: " : "Unbanned: ") << id << Qt::endl;
    return true;
}

bool OperatorCommands::revoke(const QString &userId) {
    const QString id = ApiRequest::canonicalUuid(userId);
    QTextStream out(stdout);
    if (id.isEmpty() || !m_ctx.users.state(id).exists) {
        out << "No such user: " << userId << Qt::endl;
        return false;
    }
    m_ctx.tokens.revokeAll(id);
    m_ctx.events.close({id});
    out << "Signed out everywhere: " << id << Qt::endl;
    return true;
}

bool OperatorCommands::printEnvelopeKey() {
    QTextStream out(stdout);
    const QByteArray key = EnvelopeKeyStore(m_ctx.db).load();
    if (key.isEmpty()) {
        out << "No envelope key yet: run --init-schema" << Qt::endl;
        return false;
    }
    out << key.toBase64() << Qt::endl;
    return true;
}

void OperatorCommands::listUsers() {
    QTextStream out(stdout);
    QSqlQuery q = m_ctx.db.exec(
        QStringLiteral("SELECT id, name, gender, birthday, registered, active, deleted, banned, "
                       "is_demo, lat, lon FROM users ORDER BY is_demo, created_at, id"));
    while (q.next()) {
        QStringList flags;
        const char *names[] = {"registered", "active", "deleted", "banned", "demo"};
        for (int i = 0; i < 5; ++i) {
            if (q.value(4 + i).toBool())
                flags << QLatin1String(names[i]);
        }
        out << q.value(0).toString() << '\t' << q.value(1).toString() << '\t'
            << q.value(2).toString() << '\t' << q.value(3).toString() << '\t'
            << flags.join(QLatin1Char(',')) << '\t' << q.value(9).toDouble() << ','
            << q.value(10).toDouble() << Qt::endl;
    }
}
