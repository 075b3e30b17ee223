// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/SecureStore.h"

#include "platform/DiagnosticLog.h"
#include "platform/FileSecretBackend.h"
#include "platform/LibsecretBackend.h"
#include "platform/SessionBus.h"

#include <QStringDecoder>

#include <array>
#include <utility>

namespace {
// Kept as the texts earlier versions wrote, so an installation resumes where it was after an
// update.
const QString kProgressKey = QStringLiteral("screen");
constexpr std::array<std::pair<Progress, const char *>, 7> kProgressTexts = {{
    {Progress::Name, "name"},
    {Progress::PhotoGrid, "photoGrid"},
    {Progress::Geo, "geo"},
    {Progress::Notification, "notification"},
    {Progress::Main, "main"},
    {Progress::Delete, "delete"},
    {Progress::Ban, "ban"},
}};
} // namespace

SecureStore::SecureStore(std::unique_ptr<SecretBackend> backend)
    : m_backend(std::move(backend)) {}

std::unique_ptr<SecretBackend> SecureStore::desktopBackend() {
    return chooseBackend(QString::fromLatin1(serviceName), FileSecretBackend::defaultPath());
}

std::unique_ptr<SecretBackend> SecureStore::chooseBackend(const QString &service,
                                                          const QString &filePath) {
    QString problem;
    // Without a session bus no Secret Service can answer; asking would only wait for one.
    if (!SessionBus::mayAnswer()) {
        problem = QStringLiteral(
            "no session bus: neither DBUS_SESSION_BUS_ADDRESS nor XDG_RUNTIME_DIR/bus is there");
    } else {
        auto keyring = std::make_unique<LibsecretBackend>(service);
        problem = keyring->probe();
        if (problem.isEmpty())
            return keyring;
    }
    qCWarning(lcStorage).noquote() << QStringLiteral("Secret Service probe failed: ") + problem;
    qCWarning(lcStorage).noquote()
        << QStringLiteral("Secret Service unavailable, using file store: ") + filePath;
    return std::make_unique<FileSecretBackend>(filePath);
}

bool SecureStore::save(const QString &value, const QString &key) {
    QMutexLocker lock(&m_mutex);
    return m_backend->store(key, value.toUtf8());
}

std::optional<QString> SecureStore::load(const QString &key) {
    std::optional<QByteArray> bytes;
    {
        QMutexLocker lock(&m_mutex);
        bytes = m_backend->lookup(key);
    }
    if (!bytes)
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(*bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

Progress SecureStore::progress() {
    const QString text = load(kProgressKey).value_or(QString());
    for (const auto &[progress, stored] : kProgressTexts)
        if (text == QLatin1String(stored))
            return progress;
    return Progress::None;
}

bool SecureStore::setProgress(Progress progress) {
    for (const auto &[known, stored] : kProgressTexts)
        if (known == progress)
            return save(QString::fromLatin1(stored), kProgressKey);
    return save(QString(), kProgressKey);
}

void SecureStore::replaceBackend(std::unique_ptr<SecretBackend> backend) {
    QMutexLocker locker(&m_mutex);
    m_backend = std::move(backend);
}
