// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/ViewController.h"

// Takes the place of a screen whose own class is not built yet, so routing and navigation
// can already reach it; it shows the name of the screen it stands for.
class StandInVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")

public:
    using ViewController::ViewController;
    QUrl viewSource() const override { return qmlView("ui/StandInView.qml"); }
};
