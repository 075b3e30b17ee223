// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QImage>

// HEIF pictures through libheif.
namespace HeifCodec {
/// See Imaging::decodeHeif.
[[nodiscard]] QImage decode(const QByteArray &bytes, qint64 maxPixels);
/// See Imaging::encodeHeic.
[[nodiscard]] QByteArray encode(const QImage &image, double quality);
} // namespace HeifCodec
