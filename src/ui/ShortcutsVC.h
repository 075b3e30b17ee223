// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/ViewController.h"

// The list of every keyboard shortcut, grouped by screen, as the key table holds them. F1 or ?
// opens it over whatever is on view; F1, Return or Escape closes it.
class ShortcutsVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("opened by the window")

public:
    explicit ShortcutsVC(QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("ui/ShortcutsView.qml"); }
    Q_INVOKABLE void closeTapped() { dismiss(true); }
    bool handleKey(KeyCommand command) override;
};
