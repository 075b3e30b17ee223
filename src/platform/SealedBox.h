// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>

#include <optional>

// AES-256-GCM through OpenSSL's libcrypto, for the device envelope signing in sends.
class SealedBox {
public:
    static constexpr int keyLength = 32;

    /// A fresh random nonce (12 bytes) ‖ the ciphertext ‖ the tag (16 bytes), under a key of
    /// keyLength bytes; nothing when the key has another length or the cipher fails.
    [[nodiscard]] static std::optional<QByteArray> seal(const QByteArray &key,
                                                        const QByteArray &message);
    /// The message of a box sealed under key; nothing when the key, the box or its tag is wrong.
    [[nodiscard]] static std::optional<QByteArray> open(const QByteArray &key,
                                                        const QByteArray &box);
};
