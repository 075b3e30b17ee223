// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "onboarding/PhotoGridVC.h"

#include "account/AccountAlertVC.h"
#include "api/Endpoints.h"
#include "onboarding/GeoVC.h"
#include "onboarding/NotificationVC.h"
#include "onboarding/RegistrationDraft.h"
#include "platform/LocationService.h"
#include "platform/NotificationPermission.h"
#include "store/UserManager.h"
#include "ui/AlertErrorVC.h"
#include "ui/AppServices.h"
#include "ui/MainThreadReceiver.h"
#include "ui/NavigationContainer.h"
#include "ui/WindowHelper.h"

PhotoGridVC::PhotoGridVC(ImageCropperVC::Screening screening, Services services, QObject *parent)
    : KeyboardVC(QStringLiteral("PhotoGridVC"), services, parent)
    , m_grid(new PhotoGrid(this, std::move(screening), &AccountAlertVC::photoDeletion)) {
    // Photos cropped before a restart come back where they were.
    const QList<QByteArray> kept = RegistrationDraft(this->services().secureStore()).photos();
    if (!kept.isEmpty()) {
        m_grid->load(PhotoSlots(kept));
        m_changed = true;
        setNextEnabled(m_grid->count() > 0);
    }
    connect(m_grid, &PhotoGrid::slotsChanged, this, &PhotoGridVC::slotsUpdated);
    connect(this, &KeyboardVC::busyChanged, this, [this] { m_grid->setFrozen(busy()); });
}

QString PhotoGridVC::hintText() const {
    return hint(m_changed ? std::optional<int>(m_grid->count()) : std::nullopt);
}

QString PhotoGridVC::hint(std::optional<int> count) {
    if (!count)
        return tr("Для начала добавим пару фото. Совет: выбери фото с лицом.");
    switch (*count) {
    case 0:
        return tr("Для начала добавим пару фото. Лучше выбрать фото с\u00a0лицом");
    case 1:
        return tr("Добавь еще фото");
    case 2:
        return tr("Совет: профили, где 4\u00a0фото и\u00a0более, получают больше лайков");
    case 3:
        return tr("Вайб > внешность. Просто будь собой");
    case 4:
        return tr("Покажи себя: чем ты занимаешься?");
    case 5:
        return tr("У тебя получилось! Еще одно фото и\u00a0твой профиль засияет");
    default:
        return tr("Ты - супер. Время знакомиться!");
    }
}

void PhotoGridVC::slotsUpdated() {
    RegistrationDraft(services().secureStore()).keepPhotos(m_grid->photoSlots().entries());
    m_changed = true;
    setNextEnabled(m_grid->count() > 0);
    Q_EMIT hintTextChanged();
}

void PhotoGridVC::next() {
    setBusy(true);
    const QList<QByteArray> photos = m_grid->photoSlots().photos();
    if (const std::optional<QString> refusal = PhotoGrid::uploadRefusal(photos)) {
        setBusy(false);
        AlertErrorVC::show(this, *refusal);
        return;
    }
    Endpoints::uploadImages(
        photos,
        [services = services(),
         to = MainThreadReceiver(this)](const Result<ImagesUploadResponse> &result) {
            if (!result.ok()) {
                to.post([reason = result.error().reason](PhotoGridVC &screen) {
                    screen.setBusy(false);
                    AlertErrorVC::show(&screen, reason);
                });
                return;
            }
            const QStringList urls = result.value().photoURLs;
            services.user().update([&urls](User &user) { user.photoUrls = urls; });
            RegistrationDraft(services.secureStore()).forgetPhotos();
            to.post([](PhotoGridVC &screen) { screen.uploaded(); });
        },
        services().network());
}

void PhotoGridVC::uploaded() {
    setBusy(false);
    AppServices &platform = services().platform();
    const LocationAuthorization location = platform.locationService().authorizationStatus();
    NavigationContainer *navigation = navigationContainer();
    if (!LocationService::isAuthorized(location)) {
        // Asked first, or, once refused, the explanation of why the feed needs it.
        const bool refused = location == LocationAuthorization::Restricted ||
                             location == LocationAuthorization::Denied;
        if (navigation)
            navigation->setStack(
                {new GeoVC(refused ? GeoVC::GeoType::fail : GeoVC::GeoType::first, services())},
                true);
        return;
    }
    if (platform.notificationPermission().status() == NotificationPermission::Status::Authorized) {
        WindowHelper::showMain(services());
        return;
    }
    if (navigation)
        navigation->setStack({new NotificationVC(services())}, true);
}
