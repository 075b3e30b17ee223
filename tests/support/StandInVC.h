// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/ViewController.h"

// Takes the place of a screen a test does not look at, so routing and navigation can reach
// it; it shows the name of the screen it stands for.
class StandInVC : public ViewController {
    Q_OBJECT

public:
    using ViewController::ViewController;
    QUrl viewSource() const override {
        return QUrl(QStringLiteral("qrc:/zirel-tests/StandInView.qml"));
    }
};
