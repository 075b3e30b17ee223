// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtPlugin>
#include <functional>
#include <memory>

// A camera that is running; deleting it stops the camera.
class CameraStream {
public:
    virtual ~CameraStream() = default;
};

// The machine's cameras, through Qt Multimedia. Only the viewfinder uses them, and the library
// with its backends costs every start several milliseconds when linked, so it lives in a module
// of its own, loaded when the photo picker first looks for a camera.
class Cameras {
public:
    using Frame = std::function<void(const QImage &)>;
    using Failure = std::function<void()>;

    virtual ~Cameras() = default;

    /// The desktop's default camera; empty when there is none.
    [[nodiscard]] virtual QByteArray defaultCamera() = 0;
    /// Starts the camera in its largest picture that still moves smoothly. Each new picture
    /// comes to frame, and a camera that cannot be opened or stops working comes to failed
    /// once; both on the thread that opened it, and never after the stream is deleted.
    [[nodiscard]] virtual std::unique_ptr<CameraStream> open(const QByteArray &camera, Frame frame,
                                                             Failure failed) = 0;

    /// The module's cameras, loaded on the first call; nullptr when the module cannot be
    /// loaded, with the reason in error.
    static Cameras *shared(QString *error = nullptr);
};

#define ZirelCameras_iid "app.zirel.Cameras/1"
Q_DECLARE_INTERFACE(Cameras, ZirelCameras_iid)
