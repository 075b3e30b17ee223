// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/WindowWidth.h"

#include <QQuickItem>
#include <QQuickWindow>

WindowWidth::Class WindowWidth::classify(qreal width) {
    if (width >= wideFrom)
        return Wide;
    return width >= mediumFrom ? Medium : Compact;
}

WindowWidth::WindowWidth(QObject *attachee)
    : QObject(attachee) {
    // A binding or a shortcut follows the window of the item it belongs to.
    QObject *owner = attachee;
    while (owner && !qobject_cast<QQuickItem *>(owner))
        owner = owner->parent();
    auto *item = qobject_cast<QQuickItem *>(owner);
    if (!item)
        return;
    connect(item, &QQuickItem::windowChanged, this, &WindowWidth::follow);
    follow(item->window());
}

WindowWidth *WindowWidth::qmlAttachedProperties(QObject *attachee) {
    return new WindowWidth(attachee);
}

void WindowWidth::follow(QQuickWindow *window) {
    if (window == m_window)
        return;
    disconnect(m_widthWatch);
    m_window = window;
    if (window)
        m_widthWatch = connect(window, &QWindow::widthChanged, this, &WindowWidth::update);
    update();
}

void WindowWidth::update() {
    const Class now = m_window ? classify(m_window->width()) : Compact;
    const bool panelBeside = m_window && m_window->width() >= panelFrom;
    if (now == m_class && panelBeside == m_panelBeside)
        return;
    m_class = now;
    m_panelBeside = panelBeside;
    Q_EMIT widthClassChanged();
}
