// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "TourStops.h"
#include "platform/DesktopLocationService.h"
#include "platform/DesktopNotificationPermission.h"
#include "ui/AppServices.h"
#include "ui/Services.h"

#include <QSettings>
#include <QTemporaryDir>

void settlePermissions(const Services &services, bool asksForLocation) {
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
    services.platform().setLocationService(std::make_unique<DesktopLocationService>(
        std::move(settings), position, true, std::move(question)));
    services.platform().setNotificationPermission(std::make_unique<DesktopNotificationPermission>(
        std::make_unique<QSettings>(file, QSettings::IniFormat), [](auto) { return false; }));
}
