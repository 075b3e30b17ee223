// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Cameras.h"

#include <QObject>

// The module the client loads for its viewfinder.
class CameraModule : public QObject, public Cameras {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZirelCameras_iid)
    Q_INTERFACES(Cameras)
public:
    QByteArray defaultCamera() override;
    std::unique_ptr<CameraStream> open(const QByteArray &camera, Frame frame,
                                       Failure failed) override;
};
