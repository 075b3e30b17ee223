// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "onboarding/GeoVC.h"

#include "api/WireLog.h"
#include "onboarding/NotificationVC.h"
#include "platform/NotificationPermission.h"
#include "platform/SecureStore.h"
#include "ui/AppServices.h"
#include "ui/NavigationContainer.h"
#include "ui/WindowHelper.h"

GeoVC::GeoVC(GeoType geoType, Services services, QObject *parent)
    : PermissionStepVC(QStringLiteral("GeoVC"), services, parent)
    , m_geoType(geoType) {}

QString GeoVC::nextTitle() const {
    return m_geoType == GeoType::first ? tr("Разрешить") : tr("Перейти в настройки");
}

QString GeoVC::titleText() const {
    return m_geoType == GeoType::first ? tr("Где ты?") : tr("Не удалось получить местоположение");
}

QString GeoVC::hintText() const {
    return m_geoType == GeoType::first
               ? tr("Дай доступ к местоположению, чтобы видеть людей в выбранном радиусе. Никто "
                    "не увидит твое точное местоположение")
               : tr("Чтобы использовать приложение, необходимо поделиться своим местоположением");
}

void GeoVC::viewDidLoad() {
    (void)services().secureStore().setProgress(Progress::Geo);
}

void GeoVC::next() {
    LocationService &location = services().platform().locationService();
    if (m_geoType == GeoType::fail) {
        location.openSettings();
        return;
    }
    if (!m_listening) {
        m_listening = true;
        connect(&location, &LocationService::authorizationChanged, this,
                &GeoVC::authorizationChanged);
        connect(&location, &LocationService::locationsUpdated, this, &GeoVC::locationsUpdated);
    }
    const LocationAuthorization status = location.authorizationStatus();
    if (status == LocationAuthorization::NotDetermined)
        location.requestWhenInUseAuthorization(PermissionPrompt::Asked::OnScreen);
    else if (status == LocationAuthorization::Restricted || status == LocationAuthorization::Denied)
        showFailure();
    else
        location.requestLocation();
}

void GeoVC::textButtonTapped() {
    goOn();
}

void GeoVC::authorizationChanged(LocationAuthorization status) {
    if (status == LocationAuthorization::Restricted || status == LocationAuthorization::Denied)
        showFailure();
    else if (status == LocationAuthorization::NotDetermined)
        services().platform().locationService().requestWhenInUseAuthorization(
            PermissionPrompt::Asked::Nobody);
    else
        goOn();
}

void GeoVC::locationsUpdated(const QList<QGeoCoordinate> &locations) {
    if (locations.isEmpty())
        return;
    // The position is reported by the next step; here it only shows that access works.
    disconnect(&services().platform().locationService(), nullptr, this, nullptr);
    qCDebug(lcWire).noquote() << QStringLiteral("Местоположение: %1, %2")
                                     .arg(locations.last().latitude(), 0, 'g', 10)
                                     .arg(locations.last().longitude(), 0, 'g', 10);
    if (NavigationContainer *navigation = navigationContainer())
        navigation->setStack({new NotificationVC(services())}, true);
}

void GeoVC::goOn() {
    disconnect(&services().platform().locationService(), nullptr, this, nullptr);
    if (services().platform().notificationPermission().status() !=
        NotificationPermission::Status::NotDetermined) {
        WindowHelper::showMain(services());
        return;
    }
    if (NavigationContainer *navigation = navigationContainer())
        navigation->setStack({new NotificationVC(services())}, true);
}

void GeoVC::showFailure() {
    if (NavigationContainer *navigation = navigationContainer();
        navigation && navigation->topViewController() == this)
        navigation->push(new GeoVC(GeoType::fail, services()), true);
}
