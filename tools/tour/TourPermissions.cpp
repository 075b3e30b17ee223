#include "TourStops.h"
#include "platform/DesktopLocationService.h"
#include "platform/DesktopNotificationPermission.h"
#include "ui/AppServices.h"

#include <QSettings>
#include <QTemporaryDir>

void settlePermissions(bool asksForLocation) {
    static QTemporaryDir defaults;
    const QString file = defaults.filePath(QStringLiteral("tour.ini"));
    auto settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    if (asksForLocation)
        settings->remove(DesktopLocationService::allowedKey());
    else
        settings->setValue(DesktopLocationService::allowedKey(), true);
    settings->setValue(QStringLiteral("notificationsAllowed"), false);
    PositionOverride position;
    position.fixed = QGeoCoordinate(55.7558, 37.6173);
    PermissionPrompt::Ask question = [](auto) { return false; };
    if (asksForLocation)
        question = AppServices::locationQuestion();
    AppServices::shared().setLocationService(std::make_unique<DesktopLocationService>(
        std::move(settings), position, true, std::move(question)));
    AppServices::shared().setNotificationPermission(std::make_unique<DesktopNotificationPermission>(
        std::make_unique<QSettings>(file, QSettings::IniFormat), [](auto) { return false; }));
}
