// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "photos/ImageCropperVC.h"
#include "photos/PhotoPicking.h"

#include <QList>
#include <QQuickItem>
#include <QUrl>

// Where a new photo comes from: the camera, the pictures folder, any file, or a drop. Whatever
// is picked goes through the cropper; the photo it makes goes to the completion handler.
class CameraOrGalleryVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the photo grids")
    Q_PROPERTY(QUrl dialogFolder READ dialogFolder CONSTANT)
    // A picked picture is being read; nothing else can be picked meanwhile.
    Q_PROPERTY(bool reading READ isReading NOTIFY readingChanged)

public:
    CameraOrGalleryVC(ImageCropperVC::Screening screening, Services services,
                      QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("photos/CameraOrGalleryView.qml"); }

    bool keepsToColumn() const override { return true; }
    QString leftBarButtonTitle() const override { return tr("Отмена"); }
    void leftBarButtonTapped() override;

    void setImageCompletionHandler(ImageCropperVC::Completion handler) {
        m_completion = std::move(handler);
    }
    QUrl dialogFolder() const;
    bool isReading() const { return m_reading; }

    /// Opens the camera once it may, or explains how to allow it.
    Q_INVOKABLE void cameraTapped();
    /// The view's file dialog has opened over `view`: Qt's own dialog is sized to the window.
    Q_INVOKABLE void fileDialogShown(QQuickItem *view);
    /// A file chosen in the file dialog, or the files of a drop: the first picture is cropped.
    Q_INVOKABLE void filesChosen(const QList<QUrl> &files);

    /// Opens the cropper on `image` over `presenter`; its photo goes to `completion`.
    static void crop(ViewController *presenter, const QImage &image,
                     const ImageCropperVC::Screening &screening,
                     const ImageCropperVC::Completion &completion);

Q_SIGNALS:
    void readingChanged();

private:
    void explainCameraAccess();
    void openCamera();
    void setReading(bool reading);
    void picked(const PhotoPicking::Picked &picture);

    ImageCropperVC::Screening m_screening;
    ImageCropperVC::Completion m_completion;
    bool m_reading = false;
};
