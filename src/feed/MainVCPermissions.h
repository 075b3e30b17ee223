// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/APIError.h"
#include "api/RetrySchedule.h"
#include "platform/LocationService.h"
#include "ui/Services.h"

#include <QGeoCoordinate>
#include <QObject>

// What the feed asks of the platform when it loads: the location (the first fix is sent to the
// service, again and again while the service is out of reach, and kept in the current user)
// and the notification permission with the push registration.
class MainVCPermissions : public QObject {
    Q_OBJECT
public:
    explicit MainVCPermissions(Services services, QObject *parent = nullptr);

    /// Asks for one location (or for access to it) and, when undecided, for notifications.
    void start();
    [[nodiscard]] bool didReceiveLocation() const { return m_didReceiveLocation; }
    void setRetryDelays(RetrySchedule::Delay first, RetrySchedule::Delay longest);

Q_SIGNALS:
    /// The service has the position now.
    void positionSent();

private:
    void askLocation();
    void askNotifications();
    void locationsUpdated(const QList<QGeoCoordinate> &locations);
    void authorizationChanged(LocationAuthorization status);
    void sendPosition();
    void positionAnswered(const std::optional<APIError> &failure);

    Services m_services;
    bool m_didReceiveLocation = false;
    QGeoCoordinate m_position;
    RetrySchedule m_retry;
    bool m_notificationsWaiting = false;
};
