// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "onboarding/NotificationVC.h"

#include "platform/DiagnosticLog.h"
#include "platform/LocationService.h"
#include "platform/NotificationPermission.h"
#include "platform/SecureStore.h"
#include "store/PositionReport.h"
#include "ui/AppServices.h"
#include "ui/WindowHelper.h"

#include <QPointer>

NotificationVC::NotificationVC(Services services, QObject *parent)
    : PermissionStepVC(QStringLiteral("NotificationVC"), services, parent) {}

void NotificationVC::viewDidLoad() {
    (void)services().secureStore().setProgress(Progress::Notification);
    LocationService &location = services().platform().locationService();
    connect(&location, &LocationService::locationsUpdated, this, &NotificationVC::locationsUpdated);
    if (LocationService::isAuthorized(location.authorizationStatus()))
        location.requestLocation();
}

void NotificationVC::locationsUpdated(const QList<QGeoCoordinate> &locations) {
    if (m_didReceiveLocation || locations.isEmpty())
        return;
    m_didReceiveLocation = true;
    PositionReport::send(locations.last(), services().network(), services().user());
}

void NotificationVC::next() {
    setBusy(true);
    NotificationPermission &permission = services().platform().notificationPermission();
    permission.requestAuthorization(
        PermissionPrompt::Asked::OnScreen, [weak = QPointer<NotificationPermission>(&permission),
                                            services = services()](bool granted, QString error) {
            if (!error.isEmpty())
                qCWarning(lcPush).noquote()
                    << QStringLiteral("Ошибка запроса разрешения на уведомления: ") + error;
            if (granted && weak)
                weak->registerForRemoteNotifications();
            WindowHelper::showMain(services);
        });
}

void NotificationVC::textButtonTapped() {
    WindowHelper::showMain(services());
}
