// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/FileSecretBackend.h"

#include "platform/DiagnosticLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

FileSecretBackend::FileSecretBackend(QString path)
    : m_path(std::move(path)) {}

QString FileSecretBackend::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/secure-store.json");
}

bool FileSecretBackend::store(const QString &key, const QByteArray &value) {
    std::optional<QJsonObject> stored = readAll();
    if (!stored) {
        // A damaged file reads as empty and this write replaces it; a copy stays beside it so
        // whatever is left in it can still be recovered by hand. Without the copy the file
        // stays as it is.
        const QString copy = m_path + QStringLiteral(".damaged");
        QFile::remove(copy);
        if (!QFile::copy(m_path, copy) || !QFile::setPermissions(copy, ownerOnly))
            return false;
        qCWarning(lcStorage).noquote()
            << QStringLiteral("Secure store file unreadable, copy kept: ") + copy;
        stored.emplace();
    }
    stored->insert(key, QString::fromUtf8(value));

    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Restrict the temporary file before any secret reaches it; the rename keeps the mode.
    if (!file.setPermissions(ownerOnly))
        return false;
    const QByteArray bytes = QJsonDocument(*stored).toJson(QJsonDocument::Compact);
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

std::optional<QByteArray> FileSecretBackend::lookup(const QString &key) {
    const QJsonValue value = readAll().value_or(QJsonObject()).value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString().toUtf8();
}

QString FileSecretBackend::description() const {
    return m_path;
}

std::optional<QJsonObject> FileSecretBackend::readAll() const {
    QFile file(m_path);
    if (!file.exists())
        return QJsonObject();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}
