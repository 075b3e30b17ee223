// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <optional>

// Opens the AES-256-GCM box a device sends at sign-in: nonce (12) ‖ ciphertext ‖ tag (16).
class EnvelopeOpener {
public:
    explicit EnvelopeOpener(QByteArray key);

    // The plaintext, or nothing when the box is malformed or fails authentication.
    [[nodiscard]] std::optional<QByteArray> open(const QByteArray &box) const;
    // The inverse, used by tools and tests that play the device.
    [[nodiscard]] static QByteArray seal(const QByteArray &key, const QByteArray &plaintext);

private:
    QByteArray m_key;
};
