// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Opaque tokens that vouch for this installation of the client. Tokens arrive asynchronously
// and possibly on another thread.
class DeviceAttestation {
public:
    // Exactly one of `token` and `error` is non-empty.
    using TokenHandler = std::function<void(const QByteArray &token, const QString &error)>;

    virtual ~DeviceAttestation() = default;

    [[nodiscard]] virtual bool isSupported() const = 0;
    virtual void generateToken(TokenHandler handler) = 0;
};
