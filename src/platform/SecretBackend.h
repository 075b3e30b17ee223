// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Where SecureStore keeps its values. A backend holds the UTF-8 bytes of one text per key and
// replaces the previous value on every store. Backends are not synchronised: SecureStore
// serialises every call.
class SecretBackend {
public:
    virtual ~SecretBackend() = default;

    // Replaces whatever is kept under `key`; true when the new value is stored.
    [[nodiscard]] virtual bool store(const QString &key, const QByteArray &value) = 0;
    // The bytes kept under `key`, or nothing when there are none or the backend fails.
    [[nodiscard]] virtual std::optional<QByteArray> lookup(const QString &key) = 0;
    // Where the values live, for diagnostics.
    [[nodiscard]] virtual QString description() const = 0;
};
