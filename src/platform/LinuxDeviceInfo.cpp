// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/LinuxDeviceInfo.h"

#include "BuildConfigValues.h"

#include <QFile>
#include <QSysInfo>

LinuxDeviceInfo::LinuxDeviceInfo(QString dmiProductPath, QString appVersion)
    : m_dmiProductPath(std::move(dmiProductPath))
    , m_appVersion(std::move(appVersion)) {}

QString LinuxDeviceInfo::defaultAppVersion() {
    return QStringLiteral(ZIREL_BUILD_APP_VERSION);
}

QString LinuxDeviceInfo::deviceName() const {
    return QSysInfo::machineHostName();
}

QString LinuxDeviceInfo::deviceModel() const {
    // Virtual machines and some boards leave the DMI table out or unreadable; the processor
    // architecture is then the closest thing to a model that every Linux system knows.
    QFile file(m_dmiProductPath);
    if (file.open(QIODevice::ReadOnly)) {
        const QString model = QString::fromUtf8(file.read(256)).trimmed();
        if (!model.isEmpty())
            return model;
    }
    return QSysInfo::currentCpuArchitecture() + QStringLiteral(" computer");
}

QString LinuxDeviceInfo::systemName() const {
    return QSysInfo::prettyProductName();
}

QString LinuxDeviceInfo::systemVersion() const {
    const QString version = QSysInfo::productVersion();
    return version == QLatin1String("unknown") ? QSysInfo::kernelVersion() : version;
}

QString LinuxDeviceInfo::appVersion() const {
    return m_appVersion.isEmpty() ? QStringLiteral("1.0") : m_appVersion;
}

// The version rule was written for systems numbered so that 17 is the last release the client
// no longer supports. Linux distributions number their releases on unrelated scales (Debian 12,
// Ubuntu 24.04, Fedora 41), so none of them can be mapped onto it; any Linux system that can
// run this build is a supported one, and it reports the scale's current release, which the rule
// never blocks.
QString LinuxDeviceInfo::equivalentOsVersion() const {
    return QStringLiteral("26.0");
}
