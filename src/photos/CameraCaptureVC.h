// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Cameras.h"
#include "ui/ViewController.h"

#include <QImage>
#include <QVariant>
#include <functional>
#include <memory>

// The viewfinder: the camera's picture live, and the shutter that takes the picture shown,
// whole and unedited, to whoever opened the screen.
class CameraCaptureVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the photo picker")
    Q_PROPERTY(bool ready READ ready NOTIFY frameChanged)
    // The picture shown, a QImage; QML's tools know no QImage type, so it travels as a variant.
    Q_PROPERTY(QVariant frame READ frameVariant NOTIFY frameChanged)

public:
    using Completion = std::function<void(const QImage &)>;

    /// An empty camera opens none: pictures then come only through showFrame.
    CameraCaptureVC(QByteArray camera, Completion taken, Services services,
                    QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("photos/CameraCaptureView.qml"); }
    QString rightBarButtonTitle() const override { return tr("Отмена"); }
    void rightBarButtonTapped() override { dismiss(true); }
    bool handleKey(KeyCommand command) override;

    /// A picture has arrived, so the shutter has something to take.
    bool ready() const { return !m_frame.isNull(); }
    QVariant frameVariant() const { return QVariant::fromValue(m_frame); }

    Q_INVOKABLE void shutterTapped();
    /// The camera's latest picture.
    void showFrame(const QImage &frame);

Q_SIGNALS:
    void frameChanged();

protected:
    void viewDidLoad() override;

private:
    void fail();

    QByteArray m_camera;
    Completion m_taken;
    // Open while the screen shows the camera: deleting it turns the camera's light off.
    std::unique_ptr<CameraStream> m_stream;
    QImage m_frame;
};
