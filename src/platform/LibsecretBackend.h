// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/SecretBackend.h"

// Values kept as Secret Service items (GNOME Keyring, KWallet, KeePassXC …) through libsecret's
// synchronous API. Each item carries the attributes service=<service> and account=<key>.
class LibsecretBackend final : public SecretBackend {
public:
    explicit LibsecretBackend(QString service);

    // Asks the session's Secret Service for its default collection and unlocks it when needed;
    // on a desktop the unlock shows the keyring's own password prompt and waits for it.
    // Returns an empty text when items can be stored, else why not.
    [[nodiscard]] QString probe() const;

    [[nodiscard]] bool store(const QString &key, const QByteArray &value) override;
    [[nodiscard]] std::optional<QByteArray> lookup(const QString &key) override;
    [[nodiscard]] QString description() const override;

private:
    // Removes the items under `key`; true when the keyring answered (whether or not any existed).
    bool clear(const QString &key);

    QByteArray m_service;
};
