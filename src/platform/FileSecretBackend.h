// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/SecretBackend.h"

#include <QJsonObject>

// Values kept in one JSON file (an object of key → text), readable by the owner only. Stands in
// where no Secret Service answers, and in tests. Every store rewrites the file atomically, so
// a crash mid-write leaves the previous contents.
class FileSecretBackend final : public SecretBackend {
public:
    explicit FileSecretBackend(QString path);

    // "secure-store.json" in the application's data directory.
    [[nodiscard]] static QString defaultPath();

    [[nodiscard]] bool store(const QString &key, const QByteArray &value) override;
    [[nodiscard]] std::optional<QByteArray> lookup(const QString &key) override;
    [[nodiscard]] QString description() const override;

private:
    // The stored map: empty when there is no file yet, nothing when the file cannot be read or
    // is not a JSON object.
    [[nodiscard]] std::optional<QJsonObject> readAll() const;

    QString m_path;
};
