// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "TourStops.h"
#include "ui/QmlHost.h"
#include "ui/Window.h"

#include <QSize>

class QQuickWindow;

// A window of the tour's size showing one stop once its views have loaded, its images arrived
// and its entry animations finished. Null quick() when the scene did not load.
class TourWindow {
public:
    TourWindow(const TourStop &stop, const Services &services, QSize size = {1000, 800});

    [[nodiscard]] QQuickWindow *quick() const { return m_quick; }

private:
    Window m_window;
    QmlHost m_host;
    QQuickWindow *m_quick = nullptr;
};
