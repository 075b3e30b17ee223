// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cards/CardPhotoView.h"

#include "cards/ImageNode.h"

#include <QQuickWindow>

CardPhotoView::CardPhotoView(QQuickItem *parent)
    : QQuickItem(parent) {
    setFlag(ItemHasContents);
}

void CardPhotoView::setScaler(PhotoScaler *scaler) {
    if (scaler == m_scaler)
        return;
    m_scaler = scaler;
    prepare();
    Q_EMIT scalerChanged();
}

void CardPhotoView::setCard(CardView *card) {
    if (card == m_card)
        return;
    disconnect(m_cardPages);
    m_card = card;
    if (card)
        m_cardPages = connect(card, &CardView::pageChanged, this,
                              [this] { setImage(m_card->currentImage()); });
    setImage(card ? card->currentImage() : QImage());
    Q_EMIT imageChanged();
}

void CardPhotoView::setImage(const QImage &image) {
    if (image.cacheKey() == m_image.cacheKey())
        return;
    m_image = image;
    prepare();
    Q_EMIT imageChanged();
}

void CardPhotoView::setRadius(qreal radius) {
    if (qFuzzyCompare(radius, m_look.radius))
        return;
    m_look.radius = radius;
    prepare();
    Q_EMIT lookChanged();
}

void CardPhotoView::setShaded(bool shaded) {
    if (shaded == m_look.shaded)
        return;
    m_look.shaded = shaded;
    prepare();
    Q_EMIT lookChanged();
}

void CardPhotoView::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) {
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        prepare();
}

void CardPhotoView::itemChange(ItemChange change, const ItemChangeData &value) {
    QQuickItem::itemChange(change, value);
    if (change == ItemDevicePixelRatioHasChanged || change == ItemSceneChange)
        prepare();
}

QSize CardPhotoView::pixelSize() const {
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    return (size() * ratio).toSize();
}

void CardPhotoView::prepare() {
    m_look.box = pixelSize();
    if (m_image.isNull() || m_look.box.isEmpty() || !m_scaler) {
        show({}, false);
        return;
    }
    if (const std::optional<QImage> ready = m_scaler->cached(m_image, m_look)) {
        show(*ready, false);
        return;
    }
    // What is shown so far stays until the new pixels are ready, so paging never flashes.
    show(m_shown, true);
    const qint64 wanted = m_image.cacheKey();
    m_scaler->request(m_image, m_look, this,
                      [this, wanted, asked = m_look](const QImage &prepared) {
                          if (m_image.cacheKey() == wanted && m_look == asked)
                              show(prepared, false);
                      });
}

void CardPhotoView::show(const QImage &prepared, bool pending) {
    if (prepared.cacheKey() == m_shown.cacheKey() && pending == m_pending)
        return;
    const bool changed = prepared.cacheKey() != m_shown.cacheKey();
    m_shown = prepared;
    m_pending = pending;
    if (!pending && !prepared.isNull() && m_scaler)
        m_scaler->keepShown(m_image, m_look, prepared);
    if (changed) {
        m_textureStale = true;
        update();
    }
    Q_EMIT shownImageChanged();
}

QSGNode *CardPhotoView::updatePaintNode(QSGNode *old, UpdatePaintNodeData *) {
    // The pixels were made for this size; the rectangle only follows fractional item sizes.
    QSGNode *node = ImageNode::update(*this, old, m_shown, m_textureStale);
    m_textureStale = false;
    return node;
}
