// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cardstack/SwipeView.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
qreal dot(QPointF a, QPointF b) {
    return a.x() * b.x() + a.y() * b.y();
}
} // namespace

SwipeView::SwipeView(QQuickItem *parent)
    : QQuickItem(parent)
    , m_pan(new PanGestureRecognizer(this))
    , m_tap(new TapGestureRecognizer(this)) {
    m_pan->setAction([this] { handlePan(); });
    m_tap->setAction([this] { didTap(); });
    setUserInteractionEnabled(true);
}

QSizeF SwipeView::screenSize() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? QSizeF(screen->size()) : QSizeF(800, 600);
}

qreal SwipeView::minimumSwipeSpeed(SwipeDirection) const {
    return 1100.0;
}

qreal SwipeView::minimumSwipeDistance(SwipeDirection) const {
    const QSizeF screen = screenSize();
    return qMin(screen.width(), screen.height()) * 0.25;
}

qreal SwipeView::dragSpeed(SwipeDirection direction) const {
    return qAbs(dot(m_pan->velocity(), SwipeDirections::vector(direction)));
}

qreal SwipeView::dragPercentage(SwipeDirection direction) const {
    const qreal along = dot(m_pan->translation(), SwipeDirections::vector(direction));
    return qMax<qreal>(0, along / minimumSwipeDistance(direction));
}

std::optional<SwipeDirection> SwipeView::activeDirection() const {
    std::optional<SwipeDirection> best;
    qreal bestPercentage = 0;
    for (SwipeDirection d : m_directions) {
        const qreal p = dragPercentage(d);
        if (p > bestPercentage) {
            best = d;
            bestPercentage = p;
        }
    }
    return best;
}

void SwipeView::setUserInteractionEnabled(bool enabled) {
    m_interactionEnabled = enabled;
    setAcceptedMouseButtons(enabled ? Qt::LeftButton : Qt::NoButton);
    setAcceptTouchEvents(enabled);
    // Taken out of the user's hands (a key or a button throws the card, or it went behind):
    // the drag in progress ends without a verdict of its own, so the one action is the one swipe.
    if (!enabled)
        m_pan->abandon();
}

void SwipeView::endSwiping() {
    const std::optional<SwipeDirection> d = activeDirection();
    if (d && (dragSpeed(*d) >= minimumSwipeSpeed(*d) || dragPercentage(*d) >= 1.0))
        didSwipe(*d);
    else
        didCancelSwipe();
}

void SwipeView::handlePan() {
    switch (m_pan->state()) {
    case PanGestureRecognizer::State::Possible:
    case PanGestureRecognizer::State::Began:
        beginSwiping();
        break;
    case PanGestureRecognizer::State::Changed:
        continueSwiping();
        break;
    case PanGestureRecognizer::State::Ended:
        endSwiping();
        break;
    // A drag taken away before its release (a press landing on a button, the pointer grabbed
    // elsewhere) springs back: only letting go throws a card. Judged by its distance it would
    // be thrown as well as whatever the press that took it away does, two people at once.
    case PanGestureRecognizer::State::Cancelled:
        didCancelSwipe();
        break;
    case PanGestureRecognizer::State::Failed:
        break;
    }
}

void SwipeView::mousePressEvent(QMouseEvent *event) {
    m_pan->press(event->scenePosition(), static_cast<qint64>(event->timestamp()));
    event->accept();
}

void SwipeView::mouseMoveEvent(QMouseEvent *event) {
    m_pan->move(event->scenePosition(), static_cast<qint64>(event->timestamp()));
}

void SwipeView::mouseReleaseEvent(QMouseEvent *event) {
    pointerReleased(event->scenePosition(), static_cast<qint64>(event->timestamp()));
}

void SwipeView::mouseUngrabEvent() {
    m_pan->cancel();
}

void SwipeView::touchEvent(QTouchEvent *event) {
    if (event->points().isEmpty())
        return;
    const QEventPoint &point = event->points().first();
    const auto time = static_cast<qint64>(event->timestamp());
    switch (event->type()) {
    case QEvent::TouchBegin:
        m_pan->press(point.scenePosition(), time);
        break;
    case QEvent::TouchUpdate:
        m_pan->move(point.scenePosition(), time);
        break;
    case QEvent::TouchEnd:
        pointerReleased(point.scenePosition(), time);
        break;
    default:
        m_pan->cancel();
        break;
    }
    event->accept();
}

void SwipeView::touchUngrabEvent() {
    m_pan->cancel();
}

void SwipeView::pointerReleased(QPointF scenePos, qint64 timeMs) {
    const bool wasPan = m_pan->isPanning();
    m_pan->release(scenePos, timeMs);
    if (!wasPan)
        m_tap->tapped(scenePos);
}
