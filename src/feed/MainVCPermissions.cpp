#include "feed/MainVCPermissions.h"

#include "api/Endpoints.h"
#include "api/WireLog.h"
#include "platform/DiagnosticLog.h"
#include "platform/NotificationPermission.h"
#include "store/UserManager.h"
#include "ui/AppServices.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSettings>
#include <utility>

MainVCPermissions::MainVCPermissions(Services services, QObject *parent)
    : QObject(parent)
    , m_services(services) {}

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
        DiagnosticLog::line(QStringLiteral("Ошибка получения местоположения: ") + error);
    });
    const LocationAuthorization status = location.authorizationStatus();
    if (LocationService::isAuthorized(status))
        location.requestLocation();
    else if (status == LocationAuthorization::NotDetermined)
        location.requestWhenInUseAuthorization();
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
    const QGeoCoordinate last = locations.last();
    // The exact position is the user's to keep: written only when asked for.
    if (lcWire().isDebugEnabled())
        DiagnosticLog::line(QStringLiteral("Местоположение: %1, %2")
                                .arg(last.latitude(), 0, 'g', 10)
                                .arg(last.longitude(), 0, 'g', 10));
    Endpoints::updateGeo(
        last.latitude(), last.longitude(),
        [weak = QPointer<MainVCPermissions>(this), last](Result<EmptyResponse> result) {
            if (!result.ok())
                return;
            QMetaObject::invokeMethod(qApp, [weak, last] {
                if (!weak)
                    return;
                User user = weak->m_services.user().currentUser();
                user.lat = last.latitude();
                user.longitude = last.longitude();
                weak->m_services.user().setCurrentUser(user);
                weak->m_services.user().save(user);
            });
        },
        m_services.network());
}

void MainVCPermissions::askNotifications() {
    NotificationPermission &permission = m_services.platform().notificationPermission();
    if (permission.status() == NotificationPermission::Status::NotDetermined) {
        permission.requestAuthorization(
            [weak = QPointer<NotificationPermission>(&permission)](bool granted, QString error) {
                if (!error.isEmpty())
                    DiagnosticLog::line(
                        QStringLiteral("Ошибка запроса разрешения на уведомления: ") + error);
                if (granted && weak)
                    weak->registerForRemoteNotifications();
            });
    }
    if (!QSettings().value(QStringLiteral("push_token_sent"), false).toBool())
        permission.registerForRemoteNotifications();
}
