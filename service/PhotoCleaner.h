// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Turns uploaded bytes into the photo the service stores and serves: only pixels, encoded here.
// The upload must be wholly one picture of the type its header claims (no script behind it, no
// half a picture padded grey), and nothing larger than a phone's photo is decoded at all: a
// few kilobytes of HEIC can ask for 49 megapixels. What is stored is encoded again from the
// decoded pixels, upright and in sRGB, so no location, comment or other metadata the sender's
// software wrote, and no bytes a decoder elsewhere could stumble on, reach anyone who views it.
class PhotoCleaner {
public:
    // Twice what the client uploads (1200 × 1600), either way round.
    static constexpr int kLongestSide = 3200;
    static constexpr int kShortestSide = 2400;
    static constexpr int kJpegQuality = 90;

    [[nodiscard]] static bool fits(int width, int height);
    // extension is what ImageStore::extensionOf() found in the header. Empty when the upload is
    // not a whole picture; otherwise JPEG bytes, or PNG bytes for a picture with transparency.
    [[nodiscard]] static QByteArray clean(const QByteArray &bytes, const QString &extension);

private:
    [[nodiscard]] static QImage decode(const QByteArray &bytes, const QString &extension);
    [[nodiscard]] static QImage decodeHeif(const QByteArray &bytes);
    [[nodiscard]] static bool endsWhereTheFormatEnds(const QByteArray &bytes,
                                                     const QString &extension);
    [[nodiscard]] static QByteArray encode(const QImage &image);
};
