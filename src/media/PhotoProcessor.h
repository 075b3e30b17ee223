// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>

// The steps that turn the framed part of a picked picture into a profile photo: transparency
// flattened, the frame cut at full resolution, shrunk to fit the photo size limit and encoded
// as HEIC. Each step is a plain function so the heavy ones can run off the main thread.
namespace PhotoProcessor {

/// The largest photo the service keeps, in pixels.
inline constexpr QSize kMaxSize{1200, 1600};

/// The picture over opaque black: transparent parts of a PNG or WebP come out black rather
/// than in whatever colour the encoder would guess.
[[nodiscard]] QImage flattened(const QImage &image);
/// The rectangle cut out of the picture, clipped to it; null when nothing of it lies inside.
[[nodiscard]] QImage cut(const QImage &image, const QRect &rect);
/// Shrunk with a Lanczos filter to fit kMaxSize, keeping its proportions; never enlarged.
[[nodiscard]] QImage fitted(const QImage &image);
/// The picture as HEIC at the given quality (0 to 1); empty when it cannot be encoded.
[[nodiscard]] QByteArray encodeHeic(const QImage &image, double quality = 0.8);

} // namespace PhotoProcessor
