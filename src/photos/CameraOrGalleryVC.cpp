// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "photos/CameraOrGalleryVC.h"

#include "photos/CameraAccessDeniedVC.h"
#include "photos/CameraCaptureVC.h"
#include "photos/FileDialogFit.h"
#include "photos/PhotoFolder.h"
#include "platform/CameraAccess.h"
#include "ui/AlertErrorVC.h"
#include "ui/AppServices.h"
#include "ui/NavigationContainer.h"

#include <QPointer>
#include <QSettings>

CameraOrGalleryVC::CameraOrGalleryVC(ImageCropperVC::Screening screening, Services services,
                                     QObject *parent)
    : ViewController(QStringLiteral("CameraOrGalleryVC"), services, parent)
    , m_screening(std::move(screening)) {}

void CameraOrGalleryVC::leftBarButtonTapped() {
    presentationRoot()->presentingViewController()->dismiss(true);
}

QUrl CameraOrGalleryVC::dialogFolder() const {
    return PhotoFolder::forDialog(QSettings());
}

void CameraOrGalleryVC::fileDialogShown(QQuickItem *view) {
    if (view)
        FileDialogFit::toWindow(view->window());
}

void CameraOrGalleryVC::cameraTapped() {
    if (m_reading)
        return;
    CameraAccess &camera = services().platform().cameraAccess();
    // Nobody is asked for a camera the machine does not have.
    if (!camera.hasCamera()) {
        AlertErrorVC::show(this, tr("Камера недоступна"));
        return;
    }
    switch (camera.authorizationStatus()) {
    case CameraAuthorization::Restricted:
    case CameraAuthorization::Denied:
        explainCameraAccess();
        return;
    case CameraAuthorization::NotDetermined:
        camera.requestAccess([self = QPointer<CameraOrGalleryVC>(this)](bool granted) {
            if (!self)
                return;
            if (granted)
                self->openCamera();
            else
                self->explainCameraAccess();
        });
        return;
    case CameraAuthorization::Authorized:
        openCamera();
        return;
    }
}

void CameraOrGalleryVC::explainCameraAccess() {
    auto *explanation = new CameraAccessDeniedVC(
        [self = QPointer<CameraOrGalleryVC>(this)] {
            if (!self)
                return;
            self->navigationContainer()->pop(true);
            self->openCamera();
        },
        services());
    navigationContainer()->push(explanation, true);
}

void CameraOrGalleryVC::openCamera() {
    auto *capture = new CameraCaptureVC(
        services().platform().cameraAccess().camera(),
        [self = QPointer<CameraOrGalleryVC>(this)](const QImage &photo) {
            if (!self)
                return;
            self->dismiss(true);
            crop(self, photo, self->m_screening, self->m_completion);
        },
        services());
    present(new NavigationContainer(capture), PresentationStyle::PageSheet, true);
}

void CameraOrGalleryVC::filesChosen(const QList<QUrl> &files) {
    const std::optional<QUrl> file = PhotoPicking::firstFile(files);
    if (!file || m_reading)
        return;
    // The folder the user went to is kept even when the picture there cannot be read: the next
    // try is most likely another picture beside it.
    QSettings defaults;
    PhotoFolder::remember(defaults, *file);
    setReading(true);
    PhotoPicking::readFile(services().tasks(), *file, this,
                           [this](const PhotoPicking::Picked &picture) { picked(picture); });
}

void CameraOrGalleryVC::picked(const PhotoPicking::Picked &picture) {
    setReading(false);
    if (picture.image.isNull()) {
        AlertErrorVC::show(this, picture.failure);
        return;
    }
    crop(this, picture.image, m_screening, m_completion);
}

void CameraOrGalleryVC::setReading(bool reading) {
    if (reading == m_reading)
        return;
    m_reading = reading;
    Q_EMIT readingChanged();
}

void CameraOrGalleryVC::crop(ViewController *presenter, const QImage &image,
                             const ImageCropperVC::Screening &screening,
                             const ImageCropperVC::Completion &completion) {
    auto *cropper = new ImageCropperVC(image, screening, presenter->services());
    cropper->setImageCompletionHandler(completion);
    presenter->present(new NavigationContainer(cropper), PresentationStyle::PageSheet, true);
}
