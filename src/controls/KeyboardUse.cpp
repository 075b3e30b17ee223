// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/KeyboardUse.h"

#include <QCoreApplication>
#include <QJSEngine>
#include <QKeyEvent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>

KeyboardUse::KeyboardUse(QQmlEngine *engine)
    : QObject(engine) {
    QCoreApplication::instance()->installEventFilter(this);
}

KeyboardUse *KeyboardUse::create(QQmlEngine *engine, QJSEngine *) {
    auto *use = engine->findChild<KeyboardUse *>(QString(), Qt::FindDirectChildrenOnly);
    if (!use)
        use = new KeyboardUse(engine);
    // The engine's child: gone with it, not deleted again as a singleton.
    QJSEngine::setObjectOwnership(use, QJSEngine::CppOwnership);
    return use;
}

void KeyboardUse::focusOnOpen(QQuickItem *item) const {
    if (item)
        item->forceActiveFocus(m_inUse ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

namespace {
QQuickItem *namedFirstControl(QQuickItem *item) {
    if (!item->isVisible())
        return nullptr;
    if (auto *named = item->property("firstControl").value<QQuickItem *>())
        return named;
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children)
        if (QQuickItem *found = namedFirstControl(child))
            return found;
    return nullptr;
}

// Whether the keys are with a layer over the screens that keeps them from `host`.
bool heldAbove(const QQuickItem *host) {
    const QQuickWindow *window = host->window();
    for (QQuickItem *up = window ? window->activeFocusItem() : nullptr; up; up = up->parentItem())
        if (up->property("holdsKeys").toBool())
            return !up->isAncestorOf(host) && up != host;
    return false;
}
} // namespace

void KeyboardUse::handOver(QQuickItem *host, QQuickItem *view, bool again) const {
    if (!host || !view || heldAbove(host))
        return;
    if (QQuickItem *first = namedFirstControl(view))
        focusOnOpen(again ? host : first);
}

void KeyboardUse::setInUse(bool inUse) {
    if (inUse == m_inUse)
        return;
    m_inUse = inUse;
    Q_EMIT inUseChanged();
}

bool KeyboardUse::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    // A key bound to a window shortcut comes only as the override question before it.
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        // A modifier held for a Ctrl-click is still the mouse's work.
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
            break;
        default:
            setInUse(true);
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        setInUse(false);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
