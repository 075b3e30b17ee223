// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "likes/CardCellView.h"

#include "cards/CardOverlay.h"
#include "media/PhotoBatch.h"

#include <QPainter>
#include <QPainterPath>

CardCellView::CardCellView(const CardModel &model, PhotoDownloader &downloads, QQuickItem *parent)
    : SwipeCard(parent)
    , m_model(model) {
    setSwipeDirections({SwipeDirection::Left, SwipeDirection::Right});
    for (SwipeDirection direction : swipeDirections())
        setOverlay(new CardOverlay(direction, CardOverlay::Card::LikeCell), direction);
    const QString first = m_model.photoURLs.value_or(QStringList()).value(0);
    if (PhotoBatch::isRequestable(QUrl(first))) {
        PhotoBatch::download(downloads, {first}, this, [this](const QList<QImage> &images) {
            if (images.isEmpty())
                return;
            m_image = cut(images.first());
            Q_EMIT imageChanged();
        });
    }
}

void CardCellView::setLifted(bool lifted) {
    if (lifted == m_lifted)
        return;
    m_lifted = lifted;
    Q_EMIT liftedChanged();
}

void CardCellView::didTap() {
    SwipeCard::didTap();
    if (m_onTap)
        m_onTap();
}

QImage CardCellView::cut(const QImage &photo) {
    // Twice the card's size stays sharp on a high-density screen.
    constexpr qreal scale = 2;
    const QSizeF box = QSizeF(kSize) * scale;
    QImage image(box.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath corners;
    corners.addRoundedRect(QRectF(QPointF(), box), kCornerRadius * scale, kCornerRadius * scale);
    painter.setClipPath(corners);
    painter.fillRect(QRectF(QPointF(), box), Qt::black);
    const QSizeF filled = QSizeF(photo.size()).scaled(box, Qt::KeepAspectRatioByExpanding);
    painter.drawImage(
        QRectF(QPointF((box.width() - filled.width()) / 2, (box.height() - filled.height()) / 2),
               filled),
        photo);
    return image;
}
