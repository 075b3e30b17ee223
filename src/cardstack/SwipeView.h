// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cardstack/PanGestureRecognizer.h"
#include "cardstack/SwipeDirection.h"
#include "cardstack/TapGestureRecognizer.h"

#include <QQuickItem>
#include <optional>

// An item that turns drags into a swipe direction and a progress. It owns a pan and a tap
// recognizer fed from real mouse and touch events; the classification queries are virtual so
// a card can change its thresholds. Subclasses implement the steps of a drag.
class SwipeView : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("cards are created in C++")
public:
    explicit SwipeView(QQuickItem *parent = nullptr);

    /// The directions the view may be swiped in; the order settles ties.
    [[nodiscard]] const QList<SwipeDirection> &swipeDirections() const { return m_directions; }
    void setSwipeDirections(const QList<SwipeDirection> &directions) { m_directions = directions; }

    [[nodiscard]] PanGestureRecognizer *panGestureRecognizer() const { return m_pan; }
    [[nodiscard]] TapGestureRecognizer *tapGestureRecognizer() const { return m_tap; }

    [[nodiscard]] virtual qreal minimumSwipeSpeed(SwipeDirection direction) const;
    [[nodiscard]] virtual qreal minimumSwipeDistance(SwipeDirection direction) const;
    /// Speed of the pan along the direction, points per second.
    [[nodiscard]] qreal dragSpeed(SwipeDirection direction) const;
    /// Share of the minimum distance covered along the direction; 1 or more is far enough.
    [[nodiscard]] qreal dragPercentage(SwipeDirection direction) const;
    /// The allowed direction with the largest progress, or nothing when none has any.
    [[nodiscard]] std::optional<SwipeDirection> activeDirection() const;

    /// Whether presses reach the recognizers (cards behind the top one take none).
    [[nodiscard]] bool isUserInteractionEnabled() const { return m_interactionEnabled; }
    void setUserInteractionEnabled(bool enabled);

    /// The size of the screen the thresholds derive from.
    [[nodiscard]] static QSizeF screenSize();

protected:
    virtual void beginSwiping() {}
    virtual void continueSwiping() {}
    /// Classifies the finished drag into a swipe or a cancel.
    virtual void endSwiping();
    virtual void didSwipe(SwipeDirection) {}
    virtual void didCancelSwipe() {}
    virtual void didTap() {}

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseUngrabEvent() override;
    void touchEvent(QTouchEvent *event) override;
    void touchUngrabEvent() override;

private:
    void handlePan();
    void pointerReleased(QPointF scenePos, qint64 timeMs);

    QList<SwipeDirection> m_directions = SwipeDirections::defaultOrder();
    PanGestureRecognizer *m_pan;
    TapGestureRecognizer *m_tap;
    bool m_interactionEnabled = true;
};
