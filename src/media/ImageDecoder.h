#pragma once

#include <QByteArray>
#include <QImage>

// Decodes downloaded photo bytes: JPEG, PNG and WebP through Qt's readers (EXIF orientation
// applied), HEIC/HEIF through libheif, opened on the first such photo. A null image means the bytes
// are no picture.
namespace ImageDecoder {
[[nodiscard]] QImage decode(const QByteArray &bytes);
[[nodiscard]] bool looksLikeHeif(const QByteArray &bytes);
} // namespace ImageDecoder
