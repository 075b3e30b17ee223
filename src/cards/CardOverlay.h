// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cards/CardOverlayLabelView.h"
#include "cardstack/SwipeDirection.h"

#include <QQuickItem>

// What a card shows while it is dragged one way: a plain item filling the card with the
// stamp of that direction in its place.
class CardOverlay : public QQuickItem {
    Q_OBJECT
public:
    /// Distance of the stamp from the top (left, right) or bottom (up) edge.
    static constexpr qreal kEdgeDistance = 60;
    /// Distance of the stamp's outer side from the card's side for left and right.
    static constexpr qreal kSideInset = 30;
    /// The least room kept between the stamp and any side.
    static constexpr qreal kMinimumInset = 5;

    /// A profile card of the feed, or a card of the likes grid: that one's stamps say
    /// "ОТВЕРГНУТЬ" and "МЭТЧ", smaller and closer to the edges, as the card is smaller.
    enum class Card { Profile, LikeCell };

    /// Starts transparent; the stamp takes its place once the overlay first shows.
    explicit CardOverlay(SwipeDirection direction, Card card = Card::Profile,
                         QQuickItem *parent = nullptr);

    /// The overlay of a direction: "НЕ ХОЧУ" red to the left, "ЛАЙК" green to the right and
    /// "СУПЕРЛАЙК" in the accent colour upwards; none for down.
    [[nodiscard]] static CardOverlay *make(SwipeDirection direction);

    [[nodiscard]] SwipeDirection direction() const { return m_direction; }
    [[nodiscard]] CardOverlayLabelView *label() const { return m_label; }

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    void placeLabel();

    SwipeDirection m_direction;
    qreal m_edgeDistance;
    qreal m_sideInset;
    qreal m_minimumInset;
    CardOverlayLabelView *m_label;
    bool m_labelShown = false;
};
