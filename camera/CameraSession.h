// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Cameras.h"

#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QObject>
#include <QVideoSink>

class QCamera;

// One running camera whose pictures go to a sink of its own and on as images.
class CameraSession final : public QObject, public CameraStream {
    Q_OBJECT
public:
    /// A null device is a camera that is gone, and fails.
    CameraSession(const QCameraDevice &device, Cameras::Frame frame, Cameras::Failure failed);
    ~CameraSession() override;

private:
    void fail();

    Cameras::Frame m_frame;
    Cameras::Failure m_failed;
    // The session goes before the sink it feeds.
    QVideoSink m_sink;
    QMediaCaptureSession m_session;
    QCamera *m_camera = nullptr;
};
