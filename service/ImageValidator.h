#pragma once

#include <QByteArray>
#include <QString>

// Decides whether uploaded bytes are wholly one picture of the type their header claims, so
// nothing but pictures is stored and served: the picture must decode, and no bytes may follow
// the format's own end (a picture with a script behind it is refused). Nothing larger than a
// phone's photo is decoded at all: a few kilobytes of HEIC can ask for 49 megapixels.
class ImageValidator {
public:
    // Twice what the client uploads (1200 × 1600), either way round.
    static constexpr int kLongestSide = 3200;
    static constexpr int kShortestSide = 2400;

    [[nodiscard]] static bool fits(int width, int height);
    // extension is what ImageStore::extensionOf() found in the header.
    [[nodiscard]] static bool isComplete(const QByteArray &bytes, const QString &extension);

private:
    [[nodiscard]] static bool endsWhereTheFormatEnds(const QByteArray &bytes,
                                                     const QString &extension);
    [[nodiscard]] static bool heifDecodes(const QByteArray &bytes);
};
