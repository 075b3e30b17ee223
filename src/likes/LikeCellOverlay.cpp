#include "likes/LikeCellOverlay.h"

#include "likes/LikeCellOverlayLabelView.h"

#include <QtMath>

LikeCellOverlay::LikeCellOverlay(SwipeDirection direction, QQuickItem *parent)
    : QQuickItem(parent)
    , m_direction(direction) {
    setOpacity(0);
    const bool reject = direction == SwipeDirection::Left;
    m_label = new LikeCellOverlayLabelView(
        reject ? M_PI / 10 : -M_PI / 10, reject ? tr("ОТВЕРГНУТЬ") : tr("МЭТЧ"),
        reject ? QColor(255, 59, 48) : QColor(52, 199, 89), this);
}

void LikeCellOverlay::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) {
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        placeLabel();
}

void LikeCellOverlay::placeLabel() {
    const QSizeF natural = m_label->naturalSize();
    const qreal labelWidth = qMax<qreal>(0, qMin(natural.width(), width() - 2 * kSideInset));
    const qreal x =
        m_direction == SwipeDirection::Left ? width() - kSideInset - labelWidth : kSideInset;
    m_label->setSize({labelWidth, natural.height()});
    m_label->setPosition({x, kTopDistance});
    m_label->update();
}
