// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/LinuxDeviceAttestation.h"

#include "platform/DiagnosticLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QByteArray randomBytes(int count) {
    QByteArray bytes(count, Qt::Uninitialized);
    QRandomGenerator::system()->generate(bytes.begin(), bytes.end());
    return bytes;
}

// The identifier of this installation, created on first use. A file of the wrong size cannot
// vouch for anything, so it is replaced like a missing one.
std::optional<QByteArray> installationId(const QString &path, QString *error) {
    // Two tokens requested at once must not each create a different identifier.
    static QMutex mutex;
    QMutexLocker lock(&mutex);

    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly)) {
        const QByteArray id = existing.read(LinuxDeviceAttestation::installationIdLength + 1);
        if (id.size() == LinuxDeviceAttestation::installationIdLength)
            return id;
        qCWarning(lcAccount).noquote()
            << QStringLiteral("Installation identifier damaged, replacing: ") + path;
    }

    const QByteArray id = randomBytes(LinuxDeviceAttestation::installationIdLength);
    QSaveFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(id) != id.size() || !file.commit()) {
        *error =
            QCoreApplication::translate("LinuxDeviceAttestation",
                                        "не удалось сохранить идентификатор установки в %1: %2")
                .arg(path, file.errorString());
        return std::nullopt;
    }
    return id;
}

} // namespace

LinuxDeviceAttestation::LinuxDeviceAttestation(QString idPath)
    : m_idPath(std::move(idPath)) {}

QString LinuxDeviceAttestation::defaultIdPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/installation-id");
}

bool LinuxDeviceAttestation::isSupported() const {
    return true;
}

// The stable part lets the service recognise the same installation across sign-ins (and tell
// installations apart on one machine); the fresh part makes every token distinct, so a service
// that remembers tokens can refuse one that is replayed.
void LinuxDeviceAttestation::generateToken(TokenHandler handler) {
    m_tokens.run([path = m_idPath, handler] {
        QString error;
        const std::optional<QByteArray> id = installationId(path, &error);
        if (!id)
            handler({}, error);
        else
            handler(*id + randomBytes(freshLength), {});
    });
}
