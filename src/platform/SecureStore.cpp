#include "platform/SecureStore.h"

#include "platform/DiagnosticLog.h"
#include "platform/FileSecretBackend.h"
#include "platform/LibsecretBackend.h"
#include "platform/SessionBus.h"

#include <QStringDecoder>

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

void SecureStore::replaceBackend(std::unique_ptr<SecretBackend> backend) {
    QMutexLocker locker(&m_mutex);
    m_backend = std::move(backend);
}
