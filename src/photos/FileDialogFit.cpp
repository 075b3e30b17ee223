// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "photos/FileDialogFit.h"

#include <QQuickWindow>

#include <algorithm>

namespace FileDialogFit {

void toWindow(QQuickWindow *window) {
    if (!window)
        return;
    constexpr int margin = 24;
    constexpr int widest = 1000;
    constexpr int tallest = 720;
    const QList<QObject *> objects = window->findChildren<QObject *>();
    for (QObject *object : objects) {
        if (!object->inherits("QQuickFileDialogImpl"))
            continue;
        object->setProperty("width", std::clamp(window->width() - 2 * margin, 0, widest));
        object->setProperty("height", std::clamp(window->height() - 2 * margin, 0, tallest));
    }
}

} // namespace FileDialogFit
