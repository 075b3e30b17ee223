// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DrawnWindow.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTest>

namespace {
QQuickItem *search(QQuickItem *item, const std::function<bool(QQuickItem *)> &match) {
    for (QQuickItem *child : item->childItems()) {
        if (!child->isVisible())
            continue;
        if (match(child))
            return child;
        if (QQuickItem *found = search(child, match))
            return found;
    }
    return nullptr;
}
} // namespace

DrawnWindow::DrawnWindow(const Services &services)
    : m_host(m_window, services) {
    // A binding loop leaves an item wherever the last pass happened to put it, and Qt only
    // warns about it.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("Binding loop detected")));
}

bool DrawnWindow::show(QSize size) {
    // A view part that QML refuses to build leaves a hole on screen without failing anything
    // else; in a test that draws, it fails the test.
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("Component is not ready|Cannot instantiate bound component")));
    QQuickWindow *window = quick();
    if (!window)
        return false;
    window->resize(size);
    window->show();
    return QTest::qWaitForWindowExposed(window);
}

QQuickItem *DrawnWindow::find(const std::function<bool(QQuickItem *)> &match) const {
    return quick() ? search(quick()->contentItem(), match) : nullptr;
}

QQuickItem *DrawnWindow::findWith(const char *property, const QString &value) const {
    return find([&](QQuickItem *item) { return item->property(property).toString() == value; });
}

void DrawnWindow::click(QQuickItem *item) const {
    QTest::mouseClick(quick(), Qt::LeftButton, {},
                      item->mapToScene(item->boundingRect().center()).toPoint());
}
