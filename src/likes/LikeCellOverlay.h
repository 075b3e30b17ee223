#pragma once

#include "cardstack/SwipeDirection.h"

#include <QQuickItem>

class LikeCellOverlayLabelView;

// What a card of the likes grid shows while it is dragged one way: "ОТВЕРГНУТЬ" in red against
// the right edge to the left, "МЭТЧ" in green against the left edge to the right, 25 points
// below the top.
class LikeCellOverlay : public QQuickItem {
    Q_OBJECT
public:
    static constexpr qreal kTopDistance = 25;
    /// Room between the turned stamp and the card's side, so its corners stay on the card.
    static constexpr qreal kSideInset = 6;

    /// Starts transparent, as a card's overlays do.
    explicit LikeCellOverlay(SwipeDirection direction, QQuickItem *parent = nullptr);

    [[nodiscard]] LikeCellOverlayLabelView *label() const { return m_label; }

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    void placeLabel();

    SwipeDirection m_direction;
    LikeCellOverlayLabelView *m_label;
};
