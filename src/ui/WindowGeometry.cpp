// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/WindowGeometry.h"

#include "platform/SettingsWriter.h"

#include <QGuiApplication>
#include <QQuickWindow>
#include <QScreen>
#include <QSettings>

namespace {
const QString key = QStringLiteral("window/geometry");
const QString maximizedKey = QStringLiteral("window/maximized");
// A desktop window at first, narrowed to the screen when that is smaller.
const QSize defaultSize(1280, 800);

qint64 overlap(const QRect &a, const QRect &b) {
    const QRect shared = a.intersected(b);
    return shared.isValid() ? qint64(shared.width()) * shared.height() : 0;
}
} // namespace

WindowGeometry::WindowGeometry(QQuickWindow *window)
    : QObject(window)
    , m_window(window) {
    connect(qApp, &QGuiApplication::aboutToQuit, this, &WindowGeometry::save);
    for (auto changed :
         {&QWindow::xChanged, &QWindow::yChanged, &QWindow::widthChanged, &QWindow::heightChanged})
        connect(window, changed, this, &WindowGeometry::noteNormalGeometry);
}

void WindowGeometry::noteNormalGeometry() {
    if (m_window->windowStates() == Qt::WindowNoState)
        m_normal = m_window->geometry();
}

QRect WindowGeometry::fitted(QRect stored, const QList<QRect> &screens, QSize minimum) {
    if (screens.isEmpty())
        return stored;
    const QRect *best = &screens.first();
    for (const QRect &screen : screens)
        if (overlap(stored, screen) > overlap(stored, *best))
            best = &screen;
    QSize size = stored.size().expandedTo(minimum).boundedTo(best->size());
    QRect result(stored.topLeft(), size);
    // Keep the whole window, title bar included, on that screen.
    result.moveLeft(qBound(best->left(), result.left(), best->right() - result.width() + 1));
    result.moveTop(qBound(best->top(), result.top(), best->bottom() - result.height() + 1));
    return result;
}

void WindowGeometry::restore() {
    QList<QRect> screens;
    for (QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const QSize minimum(m_window->minimumWidth(), m_window->minimumHeight());
    QRect stored = QSettings().value(key).toRect();
    if (!stored.isValid()) {
        const QRect primary = screens.isEmpty() ? QRect(QPoint(), defaultSize) : screens.first();
        stored = QRect(QPoint(), defaultSize);
        stored.moveCenter(primary.center());
    }
    m_window->setGeometry(fitted(stored, screens, minimum));
    m_normal = m_window->geometry();
}

void WindowGeometry::show() {
    if (QSettings().value(maximizedKey).toBool())
        m_window->showMaximized();
    else
        m_window->show();
}

void WindowGeometry::save() {
    // Most often the window was not moved; the flush to disk would hold up quitting.
    QSettings settings;
    if (m_settle.isActive())
        noteNormalGeometry();
    SettingsWriter::setIfChanged(settings, key,
                                 m_normal.isValid() ? m_normal : m_window->geometry());
    SettingsWriter::setIfChanged(settings, maximizedKey,
                                 m_window->windowStates().testFlag(Qt::WindowMaximized));
}
