// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "feed/MainVCPermissions.h"

#include "platform/DiagnosticLog.h"
#include "platform/NotificationPermission.h"
#include "store/PositionReport.h"
#include "ui/AppServices.h"
#include "ui/MainThreadReceiver.h"

#include <QPointer>
#include <QSettings>
#include <utility>

MainVCPermissions::MainVCPermissions(Services services, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_retry([this] { sendPosition(); }) {}

void MainVCPermissions::setRetryDelays(RetrySchedule::Delay first, RetrySchedule::Delay longest) {
    m_retry.setDelays(first, longest);
}

void MainVCPermissions::start() {
    // Two questions at once would stack one window over the other; the notification question
    // waits until the location one is answered.
    m_notificationsWaiting = m_services.platform().locationService().authorizationStatus() ==
                             LocationAuthorization::NotDetermined;
    askLocation();
    if (!m_notificationsWaiting)
        askNotifications();
}

void MainVCPermissions::askLocation() {
    LocationService &location = m_services.platform().locationService();
    connect(&location, &LocationService::locationsUpdated, this,
            &MainVCPermissions::locationsUpdated);
    connect(&location, &LocationService::authorizationChanged, this,
            &MainVCPermissions::authorizationChanged);
    connect(&location, &LocationService::failed, this, [](const QString &error) {
        qCWarning(lcFeed).noquote() << QStringLiteral("Ошибка получения местоположения: ") + error;
    });
    const LocationAuthorization status = location.authorizationStatus();
    if (LocationService::isAuthorized(status))
        location.requestLocation();
    else if (status == LocationAuthorization::NotDetermined)
        location.requestWhenInUseAuthorization(PermissionPrompt::Asked::Nobody);
}

void MainVCPermissions::authorizationChanged(LocationAuthorization status) {
    if (LocationService::isAuthorized(status))
        m_services.platform().locationService().requestLocation();
    if (std::exchange(m_notificationsWaiting, false))
        askNotifications();
}

void MainVCPermissions::locationsUpdated(const QList<QGeoCoordinate> &locations) {
    if (m_didReceiveLocation || locations.isEmpty())
        return;
    m_didReceiveLocation = true;
    m_position = locations.last();
    sendPosition();
}

void MainVCPermissions::sendPosition() {
    PositionReport::send(
        m_position, m_services.network(), m_services.user(),
        [to = MainThreadReceiver(this)](std::optional<APIError> failure) {
            to.deliver([failure](MainVCPermissions &self) { self.positionAnswered(failure); });
        });
}

void MainVCPermissions::positionAnswered(const std::optional<APIError> &failure) {
    if (!failure) {
        m_retry.reset();
        Q_EMIT positionSent();
        return;
    }
    // A refusal of the position itself would only be refused again.
    if (failure->mayNotHaveStored())
        m_retry.failed();
}

void MainVCPermissions::askNotifications() {
    NotificationPermission &permission = m_services.platform().notificationPermission();
    if (permission.status() == NotificationPermission::Status::NotDetermined) {
        permission.requestAuthorization(
            PermissionPrompt::Asked::Nobody,
            [weak = QPointer<NotificationPermission>(&permission)](bool granted, QString error) {
                if (!error.isEmpty())
                    qCWarning(lcFeed).noquote()
                        << QStringLiteral("Ошибка запроса разрешения на уведомления: ") + error;
                if (granted && weak)
                    weak->registerForRemoteNotifications();
            });
    }
    if (!QSettings().value(QStringLiteral("push_token_sent"), false).toBool())
        permission.registerForRemoteNotifications();
}
