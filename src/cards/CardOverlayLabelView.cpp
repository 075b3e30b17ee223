#include "cards/CardOverlayLabelView.h"

#include "cards/ImageNode.h"

#include <QCache>
#include <QFontMetricsF>
#include <QPainter>
#include <QQuickWindow>
#include <QtMath>

CardOverlayLabelView::CardOverlayLabelView(qreal angle, const QString &title, const QColor &color,
                                           QQuickItem *parent)
    : QQuickItem(parent)
    , m_angle(angle)
    , m_title(title)
    , m_color(color) {
    setFlag(ItemHasContents);
    setRotation(qRadiansToDegrees(angle));
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

QImage CardOverlayLabelView::image() const {
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QSize pixels = (size() * ratio).toSize();
    if (pixels.isEmpty())
        return {};
    // Titles, colours and sizes are few; a resized window makes a few more.
    static QCache<QString, QImage> drawn(32);
    const QString key = QStringLiteral("%1|%2|%3x%4|%5")
                            .arg(m_title, m_color.name(QColor::HexArgb))
                            .arg(pixels.width())
                            .arg(pixels.height())
                            .arg(ratio);
    if (const QImage *image = drawn.object(key))
        return *image;
    const QImage image = draw(pixels, ratio);
    drawn.insert(key, new QImage(image));
    return image;
}

QImage CardOverlayLabelView::draw(QSize pixels, qreal ratio) const {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal inset = kBorderWidth / 2;
    const QRectF box = QRectF(0, 0, width(), height()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(m_color, kBorderWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box, kCornerRadius, kCornerRadius);
    painter.setFont(font(fittedPixelSize()));
    painter.drawText(box, Qt::AlignCenter, m_title);
    return image;
}

void CardOverlayLabelView::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) {
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        update();
}

QSGNode *CardOverlayLabelView::updatePaintNode(QSGNode *old, UpdatePaintNodeData *) {
    // Not laid out yet: its overlay has not shown.
    if (!old && size().isEmpty())
        return nullptr;
    return ImageNode::update(*this, old, image(), true);
}
