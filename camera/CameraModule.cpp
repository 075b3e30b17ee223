// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "CameraModule.h"

#include "CameraSession.h"

#include <QMediaDevices>

QByteArray CameraModule::defaultCamera() {
    return QMediaDevices::defaultVideoInput().id();
}

std::unique_ptr<CameraStream> CameraModule::open(const QByteArray &camera, Frame frame,
                                                 Failure failed) {
    QCameraDevice device;
    for (const QCameraDevice &input : QMediaDevices::videoInputs()) {
        if (input.id() == camera)
            device = input;
    }
    return std::make_unique<CameraSession>(device, std::move(frame), std::move(failed));
}
