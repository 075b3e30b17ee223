#include "photos/CameraOrGalleryVC.h"

#include "photos/PhotoPicking.h"
#include "ui/AlertErrorVC.h"
#include "ui/NavigationContainer.h"

#include <QDir>
#include <QStandardPaths>

CameraOrGalleryVC::CameraOrGalleryVC(ImageCropperVC::Screening screening, Services services,
                                     QObject *parent)
    : ViewController(QStringLiteral("CameraOrGalleryVC"), services, parent)
    , m_screening(std::move(screening)) {}

void CameraOrGalleryVC::rightBarButtonTapped() {
    presentationRoot()->presentingViewController()->dismiss(true);
}

QUrl CameraOrGalleryVC::picturesFolder() const {
    return QUrl::fromLocalFile(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
}

void CameraOrGalleryVC::cameraTapped() {
    // Video devices appear as /dev/video*; without one there is no camera to ask.
    if (QDir(QStringLiteral("/dev"))
            .entryList({QStringLiteral("video*")}, QDir::System)
            .isEmpty()) {
        AlertErrorVC::show(this, tr("Камера недоступна"));
        return;
    }
    // Taking a picture needs the viewfinder screen, which the client does not have yet; the
    // user is told rather than left with a button that does nothing.
    AlertErrorVC::show(this, tr("Съёмка с камеры пока недоступна. Выбери фото из файла."));
}

void CameraOrGalleryVC::filesChosen(const QList<QUrl> &files) {
    const std::optional<QUrl> file = PhotoPicking::firstFile(files);
    if (!file)
        return;
    const PhotoPicking::Picked picked = PhotoPicking::fromFile(*file);
    if (picked.image.isNull()) {
        AlertErrorVC::show(this, picked.failure);
        return;
    }
    crop(this, picked.image, m_screening, m_completion);
}

void CameraOrGalleryVC::crop(ViewController *presenter, const QImage &image,
                             const ImageCropperVC::Screening &screening,
                             const ImageCropperVC::Completion &completion) {
    auto *cropper = new ImageCropperVC(image, screening, presenter->services());
    cropper->setImageCompletionHandler(completion);
    presenter->present(new NavigationContainer(cropper), PresentationStyle::PageSheet, true);
}
