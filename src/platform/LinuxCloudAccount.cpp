// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/LinuxCloudAccount.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageAuthenticationCode>
#include <QRegularExpression>

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace {

struct Identity {
    QString recordName;
    QString error;
};

QString currentUserName(uid_t uid) {
    passwd entry{};
    passwd *found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return {};
    return QString::fromLocal8Bit(found->pw_name);
}

Identity resolve(const QStringList &machineIdPaths) {
    for (const QString &path : machineIdPaths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const uid_t uid = getuid();
        const QString name =
            LinuxCloudAccount::deriveRecordName(file.read(64).trimmed(), uid, currentUserName(uid));
        if (!name.isEmpty())
            return {name, {}};
    }
    return {{},
            QCoreApplication::translate("LinuxCloudAccount",
                                        "не удалось прочитать идентификатор компьютера (%1)")
                .arg(machineIdPaths.join(QStringLiteral(", ")))};
}

} // namespace

LinuxCloudAccount::LinuxCloudAccount(QStringList machineIdPaths)
    : m_machineIdPaths(std::move(machineIdPaths)) {}

QStringList LinuxCloudAccount::defaultMachineIdPaths() {
    return {QStringLiteral("/etc/machine-id"), QStringLiteral("/var/lib/dbus/machine-id")};
}

// The machine identifier is fixed when the OS is installed and survives reboots and
// reinstalls of the client; the numeric uid and the login name are fixed for an account. So
// the same person on the same computer always gets the same record name, and another OS user
// or another computer gets another one. The machine identifier must not be handed out as it
// is, so it only enters a keyed hash whose key is this client's own: the result cannot be
// matched with what other programs derive from it, and it reveals neither the machine nor the
// user's name.
QString LinuxCloudAccount::deriveRecordName(const QByteArray &machineId, uint uid,
                                            const QString &userName) {
    static const QRegularExpression hex32(QStringLiteral("^[0-9a-fA-F]{32}$"));
    if (!hex32.match(QString::fromLatin1(machineId)).hasMatch())
        return {};
    QMessageAuthenticationCode code(QCryptographicHash::Sha256,
                                    QByteArrayLiteral("com.morvent.kavlo/cloud-record"));
    code.addData(machineId.toLower() + '\n' + QByteArray::number(uid) + '\n' + userName.toUtf8());
    return QLatin1Char('_') + QString::fromLatin1(code.result().toHex().left(32));
}

void LinuxCloudAccount::accountStatus(StatusHandler handler) {
    m_reads.run([paths = m_machineIdPaths, handler] {
        const Identity identity = resolve(paths);
        handler(!identity.recordName.isEmpty(), identity.error);
    });
}

void LinuxCloudAccount::fetchRecordName(RecordHandler handler) {
    m_reads.run([paths = m_machineIdPaths, handler] {
        const Identity identity = resolve(paths);
        handler(identity.recordName, identity.error);
    });
}
