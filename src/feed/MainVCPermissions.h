#pragma once

#include "platform/LocationService.h"

#include <QObject>

class NetworkService;
class UserManager;

// What the feed asks of the platform when it loads: the location (the first fix is sent to the
// service and kept in the current user) and the notification permission with the push
// registration.
class MainVCPermissions : public QObject {
    Q_OBJECT
public:
    MainVCPermissions(UserManager &users, NetworkService &network, QObject *parent = nullptr);

    /// Asks for one location (or for access to it) and, when undecided, for notifications.
    void start();
    [[nodiscard]] bool didReceiveLocation() const { return m_didReceiveLocation; }

private:
    void askLocation();
    void askNotifications();
    void locationsUpdated(const QList<QGeoCoordinate> &locations);
    void authorizationChanged(LocationAuthorization status);

    UserManager &m_users;
    NetworkService &m_network;
    bool m_didReceiveLocation = false;
    bool m_notificationsWaiting = false;
};
