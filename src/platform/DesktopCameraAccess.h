// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/CameraAccess.h"
#include "platform/PermissionPrompt.h"

#include <QSettings>
#include <QStringList>
#include <memory>

// Cameras as the desktop offers them: any program may open a video device it can read, so the
// permission is the client's own question, remembered in the user defaults under
// "cameraAllowed". The desktop refuses on its own when every video device is closed to the
// user (a missing "video" group, a privacy switch); that is a refusal the question cannot undo.
class DesktopCameraAccess final : public CameraAccess {
public:
    [[nodiscard]] static QString allowedKey() { return QStringLiteral("cameraAllowed"); }

    /// `devices` are the video device files to look at (/dev/video* on the machine); `camera`
    /// is the one the camera module offers among them.
    DesktopCameraAccess(std::unique_ptr<QSettings> defaults, QStringList devices, QByteArray camera,
                        PermissionPrompt::Ask ask, QString settingsProgram = {});
    /// The access over the application's user defaults and the machine's cameras.
    [[nodiscard]] static std::unique_ptr<DesktopCameraAccess>
    makeDefault(PermissionPrompt::Ask ask);

    [[nodiscard]] CameraAuthorization authorizationStatus() const override;
    void requestAccess(Answer answer) override;
    [[nodiscard]] bool hasCamera() const override { return !m_camera.isEmpty(); }
    [[nodiscard]] QByteArray camera() const override { return m_camera; }
    void openSettings(Answer answer) override;

private:
    [[nodiscard]] bool desktopRefuses() const;

    // Shared with a question still open, which may outlive the access.
    std::shared_ptr<QSettings> m_defaults;
    QStringList m_devices;
    QByteArray m_camera;
    PermissionPrompt::Ask m_ask;
    QString m_settingsProgram;
};
