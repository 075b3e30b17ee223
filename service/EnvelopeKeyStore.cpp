// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "EnvelopeKeyStore.h"

#include "Database.h"

#include <openssl/rand.h>

namespace {

const QString kName = QStringLiteral("envelope_key");

} // namespace

EnvelopeKeyStore::EnvelopeKeyStore(Database &db)
    : m_db(db) {}

QByteArray EnvelopeKeyStore::load() {
    const QByteArray key = QByteArray::fromBase64(
        m_db.scalar(QStringLiteral("SELECT value FROM service_settings WHERE name = ?"), {kName})
            .toString()
            .toLatin1());
    return key.size() == kKeySize ? key : QByteArray();
}

void EnvelopeKeyStore::save(const QByteArray &key) {
    m_db.exec(QStringLiteral("INSERT INTO service_settings (name, value) VALUES (?, ?) "
                             "ON CONFLICT (name) DO UPDATE SET value = excluded.value"),
              {kName, QString::fromLatin1(key.toBase64())});
}

QByteArray EnvelopeKeyStore::generateIfMissing() {
    QByteArray key(kKeySize, Qt::Uninitialized);
    if (RAND_bytes(reinterpret_cast<unsigned char *>(key.data()), kKeySize) != 1)
        throw DbError("no randomness for an envelope key");
    // Two processes initialising one database at once must not each print a different key.
    const bool stored =
        m_db.exec(QStringLiteral("INSERT INTO service_settings (name, value) VALUES (?, ?) "
                                 "ON CONFLICT DO NOTHING"),
                  {kName, QString::fromLatin1(key.toBase64())})
            .numRowsAffected() > 0;
    return stored ? key : QByteArray();
}
