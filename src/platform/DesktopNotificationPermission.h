// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/NotificationPermission.h"
#include "platform/PermissionPrompt.h"

#include <QSettings>
#include <memory>

// The client's own notification permission, remembered in the user defaults under the key the
// desktop notifier reads. Linux has no push service: registering yields no device token, so
// the service is never sent one.
class DesktopNotificationPermission final : public NotificationPermission {
    Q_OBJECT
public:
    DesktopNotificationPermission(std::unique_ptr<QSettings> defaults, PermissionPrompt::Ask ask,
                                  QObject *parent = nullptr);
    [[nodiscard]] static std::unique_ptr<DesktopNotificationPermission>
    makeDefault(PermissionPrompt::Ask ask);

    [[nodiscard]] Status status() const override;
    void requestAuthorization(PermissionPrompt::Asked asked,
                              std::function<void(bool, QString)> answered) override;
    void registerForRemoteNotifications() override {}

private:
    void remember(bool allowed);

    std::unique_ptr<QSettings> m_defaults;
    PermissionPrompt::Ask m_ask;
};
