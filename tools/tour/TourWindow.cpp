#include "TourWindow.h"

#include <QQuickWindow>
#include <QTest>

TourWindow::TourWindow(const TourStop &stop)
    : m_host(m_window)
    , m_quick(m_host.quickWindow()) {
    if (!m_quick)
        return;
    m_quick->resize(1000, 800);
    m_quick->show();
    m_window.setRoot(stop.build());
    QTest::qWait(900);
}
