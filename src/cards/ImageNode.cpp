// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cards/ImageNode.h"

#include <QQuickItem>
#include <QQuickWindow>

QSGImageNode *ImageNode::update(QQuickItem &item, QSGNode *old, const QImage &image, bool renew) {
    if (image.isNull()) {
        delete old;
        return nullptr;
    }
    auto *node = static_cast<QSGImageNode *>(old);
    if (!node) {
        node = item.window()->createImageNode();
        node->setOwnsTexture(true);
        node->setFiltering(QSGTexture::Linear);
        renew = true;
    }
    if (renew)
        node->setTexture(item.window()->createTextureFromImage(image));
    node->setRect(item.boundingRect());
    return node;
}
