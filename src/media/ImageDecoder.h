// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QImage>

// Decodes downloaded photo bytes: JPEG, PNG and WebP through Qt's readers (EXIF orientation
// applied), HEIC/HEIF through libheif in the photo module, loaded on the first such photo. A
// null image means the bytes are no picture, or one too large to be shown.
namespace ImageDecoder {
/// A hundred kilobytes of a flat PNG can claim a picture of a hundred megabytes of pixels.
inline constexpr qint64 kMaxPixels = 4096LL * 4096;
/// Without a longest edge, the picture whole (the user's own, to be cropped at full
/// resolution), but a JPEG or PNG of more than kMaxPixels halved while it is read until it fits.
/// With one, a picture to be shown: it comes no larger than that, a JPEG decoded straight to about
/// that size and other formats shrunk right after decoding, and one whose decoder would hold more
/// than kMaxPixels at once is refused unread.
[[nodiscard]] QImage decode(const QByteArray &bytes, int longestEdge = 0);
[[nodiscard]] bool looksLikeHeif(const QByteArray &bytes);
} // namespace ImageDecoder
