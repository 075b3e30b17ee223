// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cards/CardOverlay.h"

#include "controls/Theme.h"

#include <QCoreApplication>
#include <QtMath>

namespace {
struct Stamp {
    qreal angle;
    QString title;
    QColor color;
};

// A likes cell has only the two sideways stamps.
Stamp likeCellStamp(SwipeDirection direction) {
    if (direction == SwipeDirection::Left)
        return {M_PI / 10, QCoreApplication::translate("CardOverlay", "ОТВЕРГНУТЬ"),
                Theme::destructive()};
    return {-M_PI / 10, QCoreApplication::translate("CardOverlay", "МЭТЧ"), Theme::positive()};
}

Stamp profileStamp(SwipeDirection direction) {
    switch (direction) {
    case SwipeDirection::Left:
        return {M_PI / 10, QCoreApplication::translate("CardOverlay", "НЕ ХОЧУ"),
                Theme::destructive()};
    case SwipeDirection::Right:
        return {-M_PI / 10, QCoreApplication::translate("CardOverlay", "ЛАЙК"), Theme::positive()};
    case SwipeDirection::Up:
    case SwipeDirection::Down:
        break;
    }
    return {-M_PI / 20, QCoreApplication::translate("CardOverlay", "СУПЕРЛАЙК"), Theme::accent()};
}
} // namespace

CardOverlay::CardOverlay(SwipeDirection direction, Card card, QQuickItem *parent)
    : QQuickItem(parent)
    , m_direction(direction)
    , m_edgeDistance(card == Card::Profile ? kEdgeDistance : 25)
    , m_sideInset(card == Card::Profile ? kSideInset : 6)
    , m_minimumInset(card == Card::Profile ? kMinimumInset : 6) {
    // Hidden until its card is dragged its way.
    setOpacity(0);
    if (card == Card::Profile) {
        const Stamp stamp = profileStamp(direction);
        m_label = new CardOverlayLabelView(stamp.angle, stamp.title, stamp.color, this);
    } else {
        // A thinner border and letters spaced apart, shrinking to at most 70 % to fit.
        const Stamp stamp = likeCellStamp(direction);
        m_label = new CardOverlayLabelView(stamp.angle, stamp.title, stamp.color,
                                           {.borderWidth = 3,
                                            .cornerRadius = 3,
                                            .fontPixelSize = 30,
                                            .letterSpacing = 1,
                                            .minimumScale = 0.7},
                                           this);
    }
    connect(this, &QQuickItem::opacityChanged, this, [this] {
        if (!m_labelShown && opacity() > 0) {
            m_labelShown = true;
            placeLabel();
        }
    });
}

CardOverlay *CardOverlay::make(SwipeDirection direction) {
    if (direction == SwipeDirection::Down)
        return nullptr;
    return new CardOverlay(direction);
}

void CardOverlay::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) {
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        placeLabel();
}

void CardOverlay::placeLabel() {
    // Most cards leave without their stamps ever showing: a stamp is measured in its font,
    // placed and drawn once its overlay first fades in.
    if (!m_labelShown)
        return;
    const QSizeF natural = m_label->naturalSize();
    const qreal w = width();
    const qreal h = height();
    qreal labelWidth = 0;
    QPointF origin;
    switch (m_direction) {
    case SwipeDirection::Left:
        labelWidth = qMin(natural.width(), w - m_sideInset - m_minimumInset);
        origin = {w - m_sideInset - labelWidth, m_edgeDistance};
        break;
    case SwipeDirection::Right:
        labelWidth = qMin(natural.width(), w - m_sideInset - m_minimumInset);
        origin = {m_sideInset, m_edgeDistance};
        break;
    case SwipeDirection::Up:
    case SwipeDirection::Down:
        labelWidth = qMin(natural.width(), w - 2 * m_minimumInset);
        origin = {(w - labelWidth) / 2, h - m_edgeDistance - natural.height()};
        break;
    }
    m_label->setSize({qMax<qreal>(0, labelWidth), natural.height()});
    m_label->setPosition(origin);
    m_label->update();
}
