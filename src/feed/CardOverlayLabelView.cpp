#include "CardOverlayLabelView.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

CardOverlayLabelView::CardOverlayLabelView(qreal angle, const QString &title, const QColor &color,
                                           QQuickItem *parent)
    : QQuickPaintedItem(parent)
    , m_angle(angle)
    , m_title(title)
    , m_color(color) {
    setAntialiasing(true);
    setRotation(qRadiansToDegrees(angle));
    setSize(naturalSize());
}

QFont CardOverlayLabelView::font(int pixelSize) const {
    QFont f(QStringLiteral("Inter"));
    f.setBold(true);
    f.setPixelSize(pixelSize);
    return f;
}

QSizeF CardOverlayLabelView::naturalSize() const {
    const QFontMetricsF metrics(font(kFontPixelSize));
    return {metrics.horizontalAdvance(m_title) + 2 * (kHorizontalPadding + kBorderWidth),
            metrics.height() + 2 * (kVerticalPadding + kBorderWidth)};
}

int CardOverlayLabelView::fittedPixelSize() const {
    const qreal room = width() - 2 * (kHorizontalPadding + kBorderWidth);
    int size = kFontPixelSize;
    while (size > kFontPixelSize / 2 && QFontMetricsF(font(size)).horizontalAdvance(m_title) > room)
        --size;
    return size;
}

void CardOverlayLabelView::paint(QPainter *painter) {
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal inset = kBorderWidth / 2;
    const QRectF box = QRectF(0, 0, width(), height()).adjusted(inset, inset, -inset, -inset);
    painter->setPen(QPen(m_color, kBorderWidth));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(box, kCornerRadius, kCornerRadius);
    painter->setFont(font(fittedPixelSize()));
    painter->drawText(box, Qt::AlignCenter, m_title);
}
