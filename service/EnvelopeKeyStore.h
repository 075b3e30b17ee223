// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>

class Database;

// The key that opens device envelopes is the operator's and lives in the database, so every
// process serving one database agrees on it and no build of the service carries one.
class EnvelopeKeyStore {
public:
    static constexpr int kKeySize = 32;

    explicit EnvelopeKeyStore(Database &db);

    // The stored key, or an empty array when the operator has not set one yet.
    [[nodiscard]] QByteArray load();
    void save(const QByteArray &key);
    // Stores fresh random bytes when there is no key yet and returns them; returns nothing when
    // one was already there, so a key is shown only the one time it is made.
    [[nodiscard]] QByteArray generateIfMissing();

private:
    Database &m_db;
};
