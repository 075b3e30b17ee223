#include "photos/PhotoGrid.h"

#include "media/ImageDecoder.h"
#include "photos/CameraOrGalleryVC.h"
#include "photos/PhotoPicking.h"
#include "ui/NavigationContainer.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace {
// A tile is 105 × 140 points with rounded corners; twice that stays sharp on a high-density
// screen, and the corners are cut here so the view draws a plain picture.
QImage thumbnail(const QByteArray &photo) {
    if (photo.isEmpty())
        return {};
    const QSize size(210, 280);
    QImage decoded = ImageDecoder::decode(photo);
    // Bytes that no longer decode still fill their slot: it shows grey rather than empty.
    if (decoded.isNull()) {
        decoded = QImage(size, QImage::Format_RGB32);
        decoded.fill(Qt::gray);
    }
    decoded = decoded.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
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
    m_thumbnails.clear();
    for (int i = 0; i < PhotoSlots::kCount; ++i)
        m_thumbnails.append(thumbnail(m_slots.at(i)));
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
    if (m_frozen || index < 0 || index >= PhotoSlots::kCount)
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
        crop(PhotoPicking::fromFile(*file).image);
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
    crop(PhotoPicking::fromClipboard().image);
}

void PhotoGrid::crop(const QImage &picture) {
    if (m_frozen || m_slots.isFull() || picture.isNull())
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
    m_thumbnails[index] = thumbnail(photo);
    Q_EMIT slotsChanged();
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
}
