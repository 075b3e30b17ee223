// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// Shrinks an image by averaging the area of the source under every target pixel, in plain
// code on the calling thread. Qt's own smooth scaling and painting hand large images to the
// GUI thread pool in slices, and the window's drawing of a moving card waits for that same
// pool; photos prepared behind the top card must not hold it.
namespace AreaScaler {
/// The `area` of `source` at `size`, premultiplied. Sizes larger than the area in either
/// direction are left to Qt's smooth scaling (a photo that small is cheap to scale there).
[[nodiscard]] QImage scaled(const QImage &source, QRect area, QSize size);
} // namespace AreaScaler
