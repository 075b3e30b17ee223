// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/DesktopNotificationPermission.h"

#include "platform/DesktopNotifier.h"

#include <QPointer>

DesktopNotificationPermission::DesktopNotificationPermission(std::unique_ptr<QSettings> defaults,
                                                             PermissionPrompt::Ask ask,
                                                             QObject *parent)
    : NotificationPermission(parent)
    , m_defaults(std::move(defaults))
    , m_ask(std::move(ask)) {}

std::unique_ptr<DesktopNotificationPermission>
DesktopNotificationPermission::makeDefault(PermissionPrompt::Ask ask) {
    return std::make_unique<DesktopNotificationPermission>(std::make_unique<QSettings>(),
                                                           std::move(ask));
}

NotificationPermission::Status DesktopNotificationPermission::status() const {
    const QVariant answer = m_defaults->value(DesktopNotifier::allowedKey());
    if (!answer.isValid())
        return Status::NotDetermined;
    return answer.toBool() ? Status::Authorized : Status::Denied;
}

void DesktopNotificationPermission::requestAuthorization(
    PermissionPrompt::Asked asked, std::function<void(bool, QString)> answered) {
    if (status() != Status::NotDetermined) {
        answered(status() == Status::Authorized, {});
        return;
    }
    // The desktop has no question of its own behind the client's.
    if (asked == PermissionPrompt::Asked::OnScreen) {
        remember(true);
        answered(true, {});
        return;
    }
    const bool put =
        m_ask([self = QPointer<DesktopNotificationPermission>(this), answered](bool allowed) {
            if (self)
                self->remember(allowed);
            answered(allowed, {});
        });
    if (!put)
        answered(false, tr("некому задать вопрос: окна нет"));
}

void DesktopNotificationPermission::remember(bool allowed) {
    m_defaults->setValue(DesktopNotifier::allowedKey(), allowed);
    m_defaults->sync();
}
