// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;
class QQuickItem;

// Whether the user is working the window with the keyboard: the last press came from a key, not
// from the mouse, a touch or a pen. A screen that hands the keyboard to one of its controls as
// it opens frames that control only for a keyboard user; to someone who clicked their way there,
// the accent frame on the first of two choices reads as a choice already made.
class KeyboardUse : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // Focus frames are drawn only while this holds: after a click, the control the keyboard
    // stayed on is not framed until a key is pressed again.
    Q_PROPERTY(bool inUse READ inUse NOTIFY inUseChanged)

public:
    /// Watches every input of the application from now on; one per QML engine, whose child it
    /// is. The window's host makes it as the window comes up, so the first screen already knows.
    explicit KeyboardUse(QQmlEngine *engine);
    /// The engine's own, made here when its host has made none.
    static KeyboardUse *create(QQmlEngine *engine, QJSEngine *);

    /// Gives `item` the keyboard, framed as the keyboard's when the user has been typing.
    Q_INVOKABLE void focusOnOpen(QQuickItem *item) const;
    /// Called by a screen's host as the screen comes in: the first time its view comes in, the
    /// keyboard goes to the control the view names as its `firstControl` (the view itself, or
    /// the first of its shown items that names one); when it comes in again, back to the
    /// control of the host's that last had it. Nothing changes for a view that names none, nor
    /// while a layer that holds the keys (`holdsKeys`, the lock notice) has them.
    Q_INVOKABLE void handOver(QQuickItem *host, QQuickItem *view, bool again) const;
    bool inUse() const { return m_inUse; }

Q_SIGNALS:
    void inUseChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setInUse(bool inUse);

    bool m_inUse = false;
};
