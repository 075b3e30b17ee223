// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/SliderBase.h"

#include "controls/Theme.h"

#include <QKeyEvent>
#include <QTouchEvent>

SliderBase::SliderBase(QQuickItem *parent)
    : QQuickPaintedItem(parent) {
    setAntialiasing(true);
    setActiveFocusOnTab(true);
    setAcceptedMouseButtons(Qt::LeftButton);
    setAcceptTouchEvents(true);
}

void SliderBase::setDark(bool dark) {
    if (dark == m_dark)
        return;
    m_dark = dark;
    Q_EMIT appearanceChanged();
    update();
}

QColor SliderBase::rangeTrackColor() const {
    return Theme::track(m_dark);
}

QColor SliderBase::thumbOutlineColor() const {
    return Theme::outline(m_dark);
}

bool SliderBase::isStepKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

bool SliderBase::event(QEvent *event) {
    // The window's arrow shortcuts belong to the screen; a focused slider keeps the keys.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier && isStepKey(key->key())) {
            event->accept();
            return true;
        }
    }
    return QQuickPaintedItem::event(event);
}

void SliderBase::itemChange(ItemChange change, const ItemChangeData &data) {
    // The thumb the keyboard is on is drawn marked.
    if (change == ItemActiveFocusHasChanged)
        update();
    QQuickPaintedItem::itemChange(change, data);
}

void SliderBase::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        stepThumb(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        stepThumb(1);
        break;
    case Qt::Key_PageDown:
        stepThumb(-10);
        break;
    case Qt::Key_PageUp:
        stepThumb(10);
        break;
    case Qt::Key_Home:
        stepThumb(-span());
        break;
    case Qt::Key_End:
        stepThumb(span());
        break;
    default:
        QQuickPaintedItem::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SliderBase::mousePressEvent(QMouseEvent *event) {
    if (!press(event->position())) {
        event->ignore();
        return;
    }
    m_tracking = true;
    // A list around the slider must not take a sideways drag for a scroll.
    setKeepMouseGrab(true);
    forceActiveFocus(Qt::MouseFocusReason);
    event->accept();
}

void SliderBase::mouseMoveEvent(QMouseEvent *event) {
    if (m_tracking)
        drag(event->position());
}

void SliderBase::mouseReleaseEvent(QMouseEvent *) {
    setKeepMouseGrab(false);
    endTracking();
}

void SliderBase::mouseUngrabEvent() {
    endTracking();
}

void SliderBase::touchEvent(QTouchEvent *event) {
    if (event->points().isEmpty())
        return;
    const QPointF position = event->points().first().position();
    switch (event->type()) {
    case QEvent::TouchBegin:
        if (!press(position)) {
            event->ignore();
            return;
        }
        m_tracking = true;
        setKeepTouchGrab(true);
        break;
    case QEvent::TouchUpdate:
        if (m_tracking)
            drag(position);
        break;
    default:
        setKeepTouchGrab(false);
        endTracking();
        break;
    }
    event->accept();
}

void SliderBase::touchUngrabEvent() {
    endTracking();
}

void SliderBase::endTracking() {
    if (!m_tracking)
        return;
    m_tracking = false;
    release();
}
