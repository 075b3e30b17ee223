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
    std::function<void(bool, QString)> answered) {
    if (status() != Status::NotDetermined) {
        answered(status() == Status::Authorized, {});
        return;
    }
    const bool asked =
        m_ask([self = QPointer<DesktopNotificationPermission>(this), answered](bool allowed) {
            if (self) {
                self->m_defaults->setValue(DesktopNotifier::allowedKey(), allowed);
                self->m_defaults->sync();
            }
            answered(allowed, {});
        });
    if (!asked)
        answered(false, tr("некому задать вопрос: окна нет"));
}
