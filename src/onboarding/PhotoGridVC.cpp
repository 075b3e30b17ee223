#include "onboarding/PhotoGridVC.h"

#include "account/AccountAlertVC.h"
#include "api/Endpoints.h"
#include "media/ImageDecoder.h"
#include "onboarding/GeoVC.h"
#include "onboarding/NotificationVC.h"
#include "photos/CameraOrGalleryVC.h"
#include "photos/PhotoPicking.h"
#include "platform/LocationService.h"
#include "platform/NotificationPermission.h"
#include "store/UserManager.h"
#include "ui/AlertErrorVC.h"
#include "ui/AppServices.h"
#include "ui/MainThreadReceiver.h"
#include "ui/NavigationContainer.h"
#include "ui/WindowHelper.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace {
// A tile is 105 × 140 points with rounded corners; twice that stays sharp on a high-density
// screen, and the corners are cut here so the view draws a plain picture.
QImage thumbnail(const QByteArray &photo) {
    const QSize size(210, 280);
    const QImage decoded = ImageDecoder::decode(photo).scaled(size, Qt::KeepAspectRatioByExpanding,
                                                              Qt::SmoothTransformation);
    QImage rounded(size, QImage::Format_ARGB32_Premultiplied);
    rounded.fill(Qt::transparent);
    QPainter painter(&rounded);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath corners;
    corners.addRoundedRect(QRectF(QPointF(0, 0), size), 20, 20);
    painter.setClipPath(corners);
    painter.drawImage(
        QPointF((size.width() - decoded.width()) / 2.0, (size.height() - decoded.height()) / 2.0),
        decoded);
    return rounded;
}
} // namespace

PhotoGridVC::PhotoGridVC(ImageCropperVC::Screening screening, Services services, QObject *parent)
    : KeyboardVC(QStringLiteral("PhotoGridVC"), services, parent)
    , m_screening(std::move(screening)) {}

QVariantList PhotoGridVC::thumbnails() const {
    QVariantList list;
    for (int i = 0; i < PhotoSlots::kCount; ++i)
        list.append(QVariant::fromValue(m_thumbnails.value(i)));
    return list;
}

QString PhotoGridVC::hintText() const {
    return hint(m_changed ? std::optional<int>(count()) : std::nullopt);
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

void PhotoGridVC::tileTapped(int index) {
    if (busy())
        return;
    if (index < count()) {
        QPointer<PhotoGridVC> weak = this;
        present(new AccountAlertVC({}, {},
                                   {{tr("Удалить"), AccountAlertVC::Destructive,
                                     [weak, index](const QString &) {
                                         if (weak)
                                             weak->deletePhoto(index);
                                     }},
                                    {tr("Отмена"), AccountAlertVC::Cancel, {}}}),
                PresentationStyle::CrossDissolve, true);
        return;
    }
    auto *picker = new CameraOrGalleryVC(m_screening, services());
    QPointer<PhotoGridVC> weak = this;
    picker->setImageCompletionHandler([weak](const QByteArray &photo) {
        if (!weak)
            return;
        weak->addPhoto(photo);
        weak->dismiss(true);
    });
    present(new NavigationContainer(picker), PresentationStyle::PageSheet, true);
}

void PhotoGridVC::filesDropped(const QList<QUrl> &files) {
    if (const std::optional<QUrl> file = PhotoPicking::firstFile(files))
        crop(PhotoPicking::fromFile(*file));
}

void PhotoGridVC::pasteRequested() {
    // Pasting while the picker is open is picking: the picker gives way to the cropper.
    // Over anything else (the cropper, an alert) the paste is not for this step.
    if (ViewController *shown = presentedViewController()) {
        auto *picker = qobject_cast<NavigationContainer *>(shown);
        if (!picker || !qobject_cast<CameraOrGalleryVC *>(picker->topViewController()))
            return;
        dismiss(false);
    }
    crop(PhotoPicking::fromClipboard());
}

void PhotoGridVC::crop(const PhotoPicking::Picked &picked) {
    if (busy() || m_slots.isFull() || picked.image.isNull())
        return;
    QPointer<PhotoGridVC> weak = this;
    CameraOrGalleryVC::crop(this, picked.image, m_screening, [weak](const QByteArray &photo) {
        if (weak)
            weak->addPhoto(photo);
    });
}

void PhotoGridVC::addPhoto(const QByteArray &photo) {
    const int index = m_slots.add(photo);
    if (index < 0)
        return;
    m_thumbnails.insert(index, thumbnail(photo));
    slotsUpdated();
}

void PhotoGridVC::deletePhoto(int index) {
    if (index < 0 || index >= count())
        return;
    m_slots.remove(index);
    m_thumbnails.removeAt(index);
    slotsUpdated();
}

void PhotoGridVC::slotsUpdated() {
    m_changed = true;
    setNextEnabled(count() > 0);
    Q_EMIT slotsChanged();
}

void PhotoGridVC::next() {
    setBusy(true);
    const QList<QByteArray> photos = m_slots.photos();
    // The service takes from one to six photos; both guards say so before anything is sent.
    if (photos.isEmpty() || photos.size() > PhotoSlots::kCount) {
        setBusy(false);
        AlertErrorVC::show(this, photos.isEmpty() ? tr("Изображения отсутствуют")
                                                  : tr("Изображений больше 6"));
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
        WindowHelper::showMain();
        return;
    }
    if (navigation)
        navigation->setStack({new NotificationVC(services())}, true);
}
