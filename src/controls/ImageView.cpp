// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/ImageView.h"

#include <QQuickWindow>
#include <QSGImageNode>

ImageView::ImageView(QQuickItem *parent)
    : QQuickItem(parent) {
    setFlag(ItemHasContents);
    connect(this, &ImageView::fitChanged, this, &QQuickItem::update);
}

void ImageView::setImage(const QImage &image) {
    m_image = image;
    m_imageChanged = true;
    update();
    Q_EMIT imageChanged();
}

QSGNode *ImageView::updatePaintNode(QSGNode *old, UpdatePaintNodeData *) {
    if (m_image.isNull() || width() <= 0 || height() <= 0) {
        delete old;
        return nullptr;
    }
    auto *node = static_cast<QSGImageNode *>(old);
    if (!node) {
        node = window()->createImageNode();
        node->setOwnsTexture(true);
        node->setFiltering(QSGTexture::Linear);
        m_imageChanged = true;
    }
    if (m_imageChanged) {
        node->setTexture(window()->createTextureFromImage(m_image));
        m_imageChanged = false;
    }
    QRectF rect = boundingRect();
    if (m_fit) {
        const QSizeF fitted = QSizeF(m_image.size()).scaled(rect.size(), Qt::KeepAspectRatio);
        rect = QRectF(QPointF(), fitted);
        rect.moveCenter(boundingRect().center());
    }
    node->setRect(rect);
    return node;
}
