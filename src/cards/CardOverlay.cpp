#include "cards/CardOverlay.h"

#include "cards/CardOverlayLabelView.h"
#include "controls/Theme.h"

#include <QCoreApplication>
#include <QtMath>

namespace {
struct Stamp {
    qreal angle;
    QString title;
    QColor color;
};

Stamp stampFor(SwipeDirection direction) {
    switch (direction) {
    case SwipeDirection::Left:
        return {M_PI / 10, QCoreApplication::translate("CardOverlay", "НЕ ХОЧУ"),
                QColor(255, 59, 48)};
    case SwipeDirection::Right:
        return {-M_PI / 10, QCoreApplication::translate("CardOverlay", "ЛАЙК"),
                QColor(52, 199, 89)};
    case SwipeDirection::Up:
    case SwipeDirection::Down:
        break;
    }
    return {-M_PI / 20, QCoreApplication::translate("CardOverlay", "СУПЕРЛАЙК"), Theme::accent()};
}
} // namespace

CardOverlay::CardOverlay(SwipeDirection direction, QQuickItem *parent)
    : QQuickItem(parent)
    , m_direction(direction) {
    // Hidden until its card is dragged its way.
    setOpacity(0);
    const Stamp stamp = stampFor(direction);
    m_label = new CardOverlayLabelView(stamp.angle, stamp.title, stamp.color, this);
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
        labelWidth = qMin(natural.width(), w - kSideInset - kMinimumInset);
        origin = {w - kSideInset - labelWidth, kEdgeDistance};
        break;
    case SwipeDirection::Right:
        labelWidth = qMin(natural.width(), w - kSideInset - kMinimumInset);
        origin = {kSideInset, kEdgeDistance};
        break;
    case SwipeDirection::Up:
    case SwipeDirection::Down:
        labelWidth = qMin(natural.width(), w - 2 * kMinimumInset);
        origin = {(w - labelWidth) / 2, h - kEdgeDistance - natural.height()};
        break;
    }
    m_label->setSize({qMax<qreal>(0, labelWidth), natural.height()});
    m_label->setPosition(origin);
    m_label->update();
}
