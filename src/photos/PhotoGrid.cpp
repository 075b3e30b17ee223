// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "photos/PhotoGrid.h"

#include "media/ImageDecoder.h"
#include "photos/CameraOrGalleryVC.h"
#include "photos/PhotoPicking.h"
#include "platform/TaskGroup.h"
#include "ui/AlertErrorVC.h"
#include "ui/MainThreadReceiver.h"
#include "ui/NavigationContainer.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace {
// A tile is 105 × 140 points with rounded corners; twice that stays sharp on a high-density
// screen, and the corners are cut here so the view draws a plain picture.
constexpr QSize kThumbnail(210, 280);

QImage rounded(const QImage &picture) {
    QImage tile(kThumbnail, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath corners;
    corners.addRoundedRect(QRectF(QPointF(0, 0), kThumbnail), 20, 20);
    painter.setClipPath(corners);
    painter.drawImage(QPointF((kThumbnail.width() - picture.width()) / 2.0,
                              (kThumbnail.height() - picture.height()) / 2.0),
                      picture);
    return tile;
}

// What a filled slot shows while its picture is made, and for bytes that no longer decode:
// grey rather than empty.
QImage plainTile() {
    QImage grey(kThumbnail, QImage::Format_RGB32);
    grey.fill(Qt::lightGray);
    return rounded(grey);
}

QImage thumbnail(const QByteArray &photo) {
    const QImage decoded = ImageDecoder::decode(photo);
    if (decoded.isNull())
        return plainTile();
    return rounded(
        decoded.scaled(kThumbnail, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation));
}
} // namespace

PhotoGrid::PhotoGrid(ViewController *screen, ImageCropperVC::Screening screening,
                     DeleteQuestion deleteQuestion)
    : QObject(screen)
    , m_screen(screen)
    , m_screening(std::move(screening))
    , m_deleteQuestion(std::move(deleteQuestion)) {
    makeThumbnails();
}

std::optional<QString> PhotoGrid::uploadRefusal(const QList<QByteArray> &photos) {
    // The service takes from one to six photos; both guards say so before anything is sent.
    if (photos.isEmpty())
        return tr("Изображения отсутствуют");
    if (photos.size() > PhotoSlots::kCount)
        return tr("Изображений больше 6");
    return std::nullopt;
}

void PhotoGrid::load(const PhotoSlots &filled) {
    m_slots = filled;
    makeThumbnails();
}

void PhotoGrid::makeThumbnails() {
    m_thumbnails = QList<QImage>(PhotoSlots::kCount);
    for (int i = 0; i < PhotoSlots::kCount; ++i)
        makeThumbnail(i);
    Q_EMIT thumbnailsChanged();
}

void PhotoGrid::makeThumbnail(int index) {
    const QByteArray photo = m_slots.at(index);
    if (photo.isEmpty())
        return;
    static const QImage plain = plainTile();
    m_thumbnails[index] = plain;
    m_screen->services().tasks().run([photo, to = MainThreadReceiver(this)] {
        to.post(
            [photo, made = thumbnail(photo)](PhotoGrid &grid) { grid.thumbnailMade(photo, made); });
    });
}

void PhotoGrid::thumbnailMade(const QByteArray &photo, const QImage &made) {
    // The photo may have moved to another slot meanwhile, or be gone.
    bool shown = false;
    for (int i = 0; i < PhotoSlots::kCount; ++i) {
        if (m_slots.at(i) == photo) {
            m_thumbnails[i] = made;
            shown = true;
        }
    }
    if (shown)
        Q_EMIT thumbnailsChanged();
}

QVariantList PhotoGrid::thumbnails() const {
    QVariantList list;
    for (const QImage &image : m_thumbnails)
        list.append(image.isNull() ? QVariant() : QVariant::fromValue(image));
    return list;
}

void PhotoGrid::setFrozen(bool frozen) {
    if (frozen == m_frozen)
        return;
    m_frozen = frozen;
    Q_EMIT frozenChanged();
}

void PhotoGrid::tileTapped(int index) {
    if (m_frozen || m_reading || index < 0 || index >= PhotoSlots::kCount)
        return;
    QPointer<PhotoGrid> weak = this;
    if (m_slots.isFilled(index)) {
        m_screen->present(m_deleteQuestion([weak, index] {
                              if (weak)
                                  weak->deletePhoto(index);
                          }),
                          PresentationStyle::CrossDissolve, true);
        return;
    }
    auto *picker = new CameraOrGalleryVC(m_screening, m_screen->services());
    picker->setImageCompletionHandler([weak](const QByteArray &photo) {
        if (!weak)
            return;
        weak->addPhoto(photo);
        weak->m_screen->dismiss(true);
    });
    m_screen->present(new NavigationContainer(picker), PresentationStyle::PageSheet, true);
}

void PhotoGrid::filesDropped(const QList<QUrl> &files) {
    if (const std::optional<QUrl> file = PhotoPicking::firstFile(files))
        cropFile(*file);
}

void PhotoGrid::pasteRequested() {
    // Pasting while the picker is open is picking: the picker gives way to the cropper.
    // Over anything else (the cropper, an alert) the paste is not for this grid.
    if (ViewController *shown = m_screen->presentedViewController()) {
        auto *picker = qobject_cast<NavigationContainer *>(shown);
        if (!picker || !qobject_cast<CameraOrGalleryVC *>(picker->topViewController()))
            return;
        m_screen->dismiss(false);
    }
    const QImage copied = PhotoPicking::copiedPicture();
    if (!copied.isNull())
        crop(copied);
    else if (const std::optional<QUrl> file = PhotoPicking::copiedFile())
        cropFile(*file);
}

void PhotoGrid::cropFile(const QUrl &file) {
    if (m_frozen || m_reading || m_slots.isFull())
        return;
    setReading(true);
    PhotoPicking::readFile(m_screen->services().tasks(), file, this,
                           [this](const PhotoPicking::Picked &picked) {
                               setReading(false);
                               if (picked.image.isNull())
                                   AlertErrorVC::show(m_screen, picked.failure);
                               else
                                   crop(picked.image);
                           });
}

void PhotoGrid::setReading(bool reading) {
    if (reading == m_reading)
        return;
    m_reading = reading;
    Q_EMIT readingChanged();
}

void PhotoGrid::crop(const QImage &picture) {
    if (m_frozen || m_reading || m_slots.isFull() || picture.isNull())
        return;
    QPointer<PhotoGrid> weak = this;
    CameraOrGalleryVC::crop(m_screen, picture, m_screening, [weak](const QByteArray &photo) {
        if (weak)
            weak->addPhoto(photo);
    });
}

void PhotoGrid::addPhoto(const QByteArray &photo) {
    const int index = m_slots.add(photo);
    if (index < 0)
        return;
    makeThumbnail(index);
    Q_EMIT slotsChanged();
    Q_EMIT thumbnailsChanged();
}

void PhotoGrid::deletePhoto(int index) {
    if (!m_slots.isFilled(index))
        return;
    QList<QImage> moved;
    for (int i = 0; i < PhotoSlots::kCount; ++i) {
        if (i != index && m_slots.isFilled(i))
            moved.append(m_thumbnails.at(i));
    }
    moved.resize(PhotoSlots::kCount);
    m_slots.remove(index);
    m_thumbnails = moved;
    Q_EMIT slotsChanged();
    Q_EMIT thumbnailsChanged();
}
