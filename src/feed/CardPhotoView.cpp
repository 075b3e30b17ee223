#include "CardPhotoView.h"

#include <QPainter>
#include <QPainterPath>

CardPhotoView::CardPhotoView(QQuickItem *parent)
    : QQuickPaintedItem(parent) {
    setAntialiasing(true);
}

void CardPhotoView::setImage(const QImage &image) {
    if (image.cacheKey() == m_image.cacheKey())
        return;
    m_image = image;
    update();
    Q_EMIT imageChanged();
}

void CardPhotoView::setRadius(qreal radius) {
    if (qFuzzyCompare(radius, m_radius))
        return;
    m_radius = radius;
    update();
    Q_EMIT radiusChanged();
}

QRectF CardPhotoView::fillSourceRect(QSizeF image, QSizeF box) {
    if (image.isEmpty() || box.isEmpty())
        return {};
    const qreal scale = qMax(box.width() / image.width(), box.height() / image.height());
    const QSizeF shown(box.width() / scale, box.height() / scale);
    return {QPointF((image.width() - shown.width()) / 2, (image.height() - shown.height()) / 2),
            shown};
}

void CardPhotoView::paint(QPainter *painter) {
    if (m_image.isNull())
        return;
    const QRectF box(0, 0, width(), height());
    QPainterPath clip;
    clip.addRoundedRect(box, m_radius, m_radius);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->setClipPath(clip);
    painter->drawImage(box, m_image, fillSourceRect(m_image.size(), box.size()));
}
