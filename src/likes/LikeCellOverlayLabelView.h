#pragma once

#include "cards/CardOverlayLabelView.h"

// The stamp of a card in the likes grid: the card's stamp made smaller for the small card, a
// thinner border, letters spaced apart, shrinking to at most 70 % to fit.
class LikeCellOverlayLabelView : public CardOverlayLabelView {
    Q_OBJECT
public:
    static constexpr int kFontPixelSize = 30;

    LikeCellOverlayLabelView(qreal angle, const QString &title, const QColor &color,
                             QQuickItem *parent = nullptr);
};
