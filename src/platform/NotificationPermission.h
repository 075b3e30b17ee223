// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/PermissionPrompt.h"

#include <QByteArray>
#include <QObject>

// The user's permission for notifications and the client's registration with a push service.
// Every answer arrives on the main thread.
class NotificationPermission : public QObject {
    Q_OBJECT
public:
    enum class Status { NotDetermined, Denied, Authorized };
    Q_ENUM(Status)

    using QObject::QObject;

    [[nodiscard]] virtual Status status() const = 0;
    /// Asks the user unless `asked` says a screen did; `answered` receives whether permission
    /// was granted and an error text (empty when there was none).
    virtual void
    requestAuthorization(PermissionPrompt::Asked asked,
                         std::function<void(bool granted, QString error)> answered) = 0;
    /// Registers with the push service; a device token, when the platform has a push service,
    /// comes as deviceTokenReceived, a failure as registrationFailed.
    virtual void registerForRemoteNotifications() = 0;

Q_SIGNALS:
    void deviceTokenReceived(const QByteArray &token);
    void registrationFailed(const QString &error);
};
