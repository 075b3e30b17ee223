// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QSGImageNode>

class QQuickItem;

// The scene-graph node of an item that draws one image over its bounds, smoothly filtered and
// owning its texture.
namespace ImageNode {
/// Updates `old` (or makes the node) for `image`; none when there is no image. The texture is
/// made again from the image when `renew` is set, and always for a new node.
[[nodiscard]] QSGImageNode *update(QQuickItem &item, QSGNode *old, const QImage &image, bool renew);
} // namespace ImageNode
