// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/DesktopCameraAccess.h"

#include "platform/Cameras.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <unistd.h>

DesktopCameraAccess::DesktopCameraAccess(std::unique_ptr<QSettings> defaults, QStringList devices,
                                         QByteArray camera, PermissionPrompt::Ask ask,
                                         QString settingsProgram)
    : m_defaults(std::move(defaults))
    , m_devices(std::move(devices))
    , m_camera(std::move(camera))
    , m_ask(std::move(ask))
    , m_settingsProgram(std::move(settingsProgram)) {}

std::unique_ptr<DesktopCameraAccess> DesktopCameraAccess::makeDefault(PermissionPrompt::Ask ask) {
    const QDir dev(QStringLiteral("/dev"));
    QStringList devices;
    for (const QString &name : dev.entryList({QStringLiteral("video*")}, QDir::System))
        devices.append(dev.filePath(name));
    // Asking the camera module loads it and starts its device monitor; without a video device
    // there is nothing it could find.
    Cameras *cameras = devices.isEmpty() ? nullptr : Cameras::shared();
    const QByteArray camera = cameras ? cameras->defaultCamera() : QByteArray();
    return std::make_unique<DesktopCameraAccess>(
        std::make_unique<QSettings>(), std::move(devices), camera, std::move(ask),
        QStandardPaths::findExecutable(QStringLiteral("gnome-control-center")));
}

bool DesktopCameraAccess::desktopRefuses() const {
    if (m_devices.isEmpty())
        return false;
    for (const QString &device : m_devices) {
        if (::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0)
            return false;
    }
    return true;
}

CameraAuthorization DesktopCameraAccess::authorizationStatus() const {
    if (desktopRefuses())
        return CameraAuthorization::Restricted;
    const QVariant answer = m_defaults->value(allowedKey());
    if (!answer.isValid())
        return CameraAuthorization::NotDetermined;
    return answer.toBool() ? CameraAuthorization::Authorized : CameraAuthorization::Denied;
}

void DesktopCameraAccess::requestAccess(Answer answer) {
    auto shared = std::make_shared<Answer>(std::move(answer));
    const bool asked = m_ask([defaults = m_defaults, shared](bool allowed) {
        defaults->setValue(allowedKey(), allowed);
        defaults->sync();
        (*shared)(allowed);
    });
    if (!asked)
        (*shared)(false);
}

void DesktopCameraAccess::openSettings(Answer answer) {
    if (authorizationStatus() != CameraAuthorization::Restricted) {
        requestAccess(std::move(answer));
        return;
    }
    if (!m_settingsProgram.isEmpty())
        QProcess::startDetached(m_settingsProgram, {QStringLiteral("camera")});
}
