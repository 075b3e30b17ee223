// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "TourWindow.h"

#include <QQuickWindow>
#include <QTest>
#include <algorithm>

TourWindow::TourWindow(const TourStop &stop, const Services &services, QSize size)
    : m_host(m_window, services)
    , m_quick(m_host.quickWindow()) {
    if (!m_quick)
        return;
    m_quick->resize(size);
    m_quick->show();
    m_window.setRoot(stop.build(services));
    // Let views load, images arrive and entry animations finish; at a higher density the photos
    // take longer to prepare.
    QTest::qWait(int(900 * std::max(1.0, m_quick->devicePixelRatio())));
}
