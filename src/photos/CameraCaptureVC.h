#pragma once

#include "ui/ViewController.h"

#include <QCameraDevice>
#include <QImage>
#include <QMediaCaptureSession>
#include <QVideoFrame>
#include <functional>

class QCamera;

// The viewfinder: the camera's picture live, and the shutter that takes the frame shown, whole
// and unedited, to whoever opened the screen.
class CameraCaptureVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the photo picker")
    Q_PROPERTY(bool ready READ ready NOTIFY readyChanged)

public:
    using Completion = std::function<void(const QImage &)>;

    /// A null device opens no camera: frames then come only through showFrame.
    CameraCaptureVC(const QCameraDevice &device, Completion taken, Services services = {},
                    QObject *parent = nullptr);
    ~CameraCaptureVC() override;

    QUrl viewSource() const override { return qmlView("photos/CameraCaptureView.qml"); }
    QString rightBarButtonTitle() const override { return tr("Отмена"); }
    void rightBarButtonTapped() override { dismiss(true); }
    bool handleKey(KeyCommand command) override;

    /// A frame has arrived, so the shutter has something to take.
    bool ready() const { return m_frame.isValid(); }

    /// The view's VideoOutput: it shows the camera, and the frames it shows are the ones taken.
    Q_INVOKABLE void attachViewfinder(QObject *videoOutput);
    Q_INVOKABLE void shutterTapped();
    /// The latest frame of the camera.
    void showFrame(const QVideoFrame &frame);

Q_SIGNALS:
    void readyChanged();

private:
    void fail();

    QCameraDevice m_device;
    Completion m_taken;
    QMediaCaptureSession m_session;
    QCamera *m_camera = nullptr;
    QVideoFrame m_frame;
};
