// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "TokenStore.h"

#include "Database.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QSqlQuery>

#include <openssl/rand.h>

namespace {

QString hashOf(const QString &token) {
    return QString::fromLatin1(
        QCryptographicHash::hash(token.toUtf8(), QCryptographicHash::Sha256).toHex());
}

} // namespace

TokenStore::TokenStore(Database &db, int lifetimeDays)
    : m_db(db)
    , m_lifetimeDays(lifetimeDays) {}

QString TokenStore::issue(const QString &userId, const QString &device) {
    QByteArray random(32, Qt::Uninitialized);
    if (RAND_bytes(reinterpret_cast<unsigned char *>(random.data()), int(random.size())) != 1)
        throw DbError("no randomness for a token");
    const QString token = QStringLiteral("zrl.") +
                          QString::fromLatin1(random.toBase64(QByteArray::Base64UrlEncoding |
                                                              QByteArray::OmitTrailingEquals));
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    m_db.transaction();
    try {
        if (!device.isEmpty())
            m_db.exec(QStringLiteral("DELETE FROM tokens WHERE user_id = ? AND device = ?"),
                      {userId, device});
        m_db.exec(QStringLiteral("INSERT INTO tokens (hash, user_id, created_at, expires_at, "
                                 "device) VALUES (?, ?, ?, ?, ?)"),
                  {hashOf(token), userId, now, now + qint64(m_lifetimeDays) * 86400, device});
        m_db.commit();
    } catch (...) {
        m_db.rollback();
        throw;
    }
    return token;
}

TokenStore::Bearer TokenStore::resolve(const QString &token) {
    if (token.isEmpty() || token.size() > 512)
        return {};
    QSqlQuery q = m_db.exec(
        QStringLiteral("SELECT t.user_id, u.registered, u.deleted, u.banned FROM tokens t "
                       "JOIN users u ON u.id = t.user_id WHERE t.hash = ? AND t.revoked = 0 "
                       "AND t.expires_at > ?"),
        {hashOf(token), QDateTime::currentSecsSinceEpoch()});
    if (!q.next())
        return {};
    return {q.value(0).toString(),
            {true, q.value(1).toBool(), q.value(2).toBool(), q.value(3).toBool()}};
}

bool TokenStore::claimAttestation(const QByteArray &attestation) {
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(attestation, QCryptographicHash::Sha256).toHex());
    return m_db.exec(QStringLiteral("INSERT INTO attestations (hash, created_at) VALUES (?, ?) "
                                    "ON CONFLICT DO NOTHING"),
                     {hash, QDateTime::currentSecsSinceEpoch()})
               .numRowsAffected() > 0;
}

void TokenStore::revokeAll(const QString &userId) {
    m_db.exec(QStringLiteral("UPDATE tokens SET revoked = 1 WHERE user_id = ?"), {userId});
}
