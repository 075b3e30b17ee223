// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "CameraSession.h"

#include <QCamera>
#include <QTimer>
#include <QVideoFrame>

namespace {
// The largest picture the camera gives at a frame rate that still makes a usable viewfinder.
QCameraFormat bestFormat(const QCameraDevice &device) {
    constexpr float kSmoothEnough = 10;
    QCameraFormat best;
    const auto pixels = [](const QCameraFormat &format) {
        return qint64(format.resolution().width()) * format.resolution().height();
    };
    for (const QCameraFormat &format : device.videoFormats()) {
        if (format.maxFrameRate() >= kSmoothEnough && pixels(format) > pixels(best))
            best = format;
    }
    return best;
}
} // namespace

CameraSession::CameraSession(const QCameraDevice &device, Cameras::Frame frame,
                             Cameras::Failure failed)
    : m_frame(std::move(frame))
    , m_failed(std::move(failed)) {
    if (device.isNull()) {
        fail();
        return;
    }
    // The sink may be fed from the backend's own thread; the receiver's context brings each
    // picture to this one.
    connect(&m_sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame &picture) {
        const QImage image = picture.toImage();
        if (!image.isNull() && m_frame)
            m_frame(image);
    });
    m_session.setVideoSink(&m_sink);
    m_camera = new QCamera(device, this);
    if (const QCameraFormat format = bestFormat(device); !format.isNull())
        m_camera->setCameraFormat(format);
    connect(m_camera, &QCamera::errorOccurred, this, [this](QCamera::Error error) {
        if (error != QCamera::NoError)
            fail();
    });
    m_session.setCamera(m_camera);
    m_camera->start();
}

CameraSession::~CameraSession() {
    // The camera's light goes off with the viewfinder, not whenever the object is collected.
    if (m_camera)
        m_camera->stop();
}

void CameraSession::fail() {
    // Told once control returns: the one told may delete this session, which must not happen
    // inside the camera's own signal.
    if (Cameras::Failure failed = std::exchange(m_failed, {}))
        QTimer::singleShot(0, this, std::move(failed));
}
