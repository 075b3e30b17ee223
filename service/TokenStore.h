// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "UserStore.h"

#include <QString>

class Database;

// Access tokens: 256 random bits handed out once, kept only as SHA-256 hashes with an expiry.
class TokenStore {
public:
    TokenStore(Database &db, int lifetimeDays);

    // A non-empty device names the installation: its earlier tokens for this user stop working.
    [[nodiscard]] QString issue(const QString &userId, const QString &device = {});
    struct Bearer {
        QString userId; // empty for unknown, expired or revoked tokens
        AccountState state;
    };
    // The owner of a live token and the state of that account, read together: every signed-in
    // request asks both.
    [[nodiscard]] Bearer resolve(const QString &token);
    void revokeAll(const QString &userId);
    // Records a device-attestation token as used; false when it was used before, so an
    // envelope that someone captured cannot sign in again.
    [[nodiscard]] bool claimAttestation(const QByteArray &attestation);

private:
    Database &m_db;
    int m_lifetimeDays;
};
