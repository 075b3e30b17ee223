// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/ViewController.h"

#include <functional>

// Why the camera row led nowhere, and the way to the permission. When the way is the client's
// own question and the user allows, `allowed` runs: the picker goes on to the camera.
class CameraAccessDeniedVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the photo picker")

public:
    explicit CameraAccessDeniedVC(std::function<void()> allowed, Services services,
                                  QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("photos/CameraAccessDeniedView.qml"); }

    bool keepsToColumn() const override { return true; }
    bool handleKey(KeyCommand command) override;

    Q_INVOKABLE void settingsButtonTapped();

private:
    std::function<void()> m_allowed;
};
