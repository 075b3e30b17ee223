#include "likes/LikeCellOverlayLabelView.h"

LikeCellOverlayLabelView::LikeCellOverlayLabelView(qreal angle, const QString &title,
                                                   const QColor &color, QQuickItem *parent)
    : CardOverlayLabelView(angle, title, color,
                           {.borderWidth = 3,
                            .cornerRadius = 3,
                            .fontPixelSize = kFontPixelSize,
                            .letterSpacing = 1,
                            .minimumScale = 0.7},
                           parent) {}
