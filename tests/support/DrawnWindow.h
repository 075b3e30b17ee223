// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/QmlHost.h"
#include "ui/Window.h"

#include <QSize>
#include <functional>

class QQuickItem;
class QQuickWindow;
class Services;

// The screen tree drawn by its QML views in a shown window of a desktop size, with the lookups
// and clicks the tests of drawn screens need.
class DrawnWindow {
public:
    /// The photos the window shows come through `services`, which outlive it. The test that
    /// makes it fails on a binding loop in its screens.
    explicit DrawnWindow(const Services &services);

    Window &window() { return m_window; }
    // Null when the QML did not load.
    [[nodiscard]] QQuickWindow *quick() const { return m_host.quickWindow(); }
    // Shows the window and waits until it is exposed; false when there is nothing to show.
    [[nodiscard]] bool show(QSize size = {1000, 800});

    // The first visible item, depth first, that `match` accepts; null when there is none.
    [[nodiscard]] QQuickItem *find(const std::function<bool(QQuickItem *)> &match) const;
    [[nodiscard]] QQuickItem *findWith(const char *property, const QString &value) const;
    // A left click in the middle of the item.
    void click(QQuickItem *item) const;

private:
    Window m_window;
    QmlHost m_host;
};
