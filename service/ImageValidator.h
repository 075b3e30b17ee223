#pragma once

#include <QByteArray>
#include <QString>

// Decides whether uploaded bytes are wholly one picture of the type their header claims, so
// nothing but pictures is stored and served: the picture must decode, and no bytes may follow
// the format's own end (a picture with a script behind it is refused).
class ImageValidator {
public:
    // extension is what ImageStore::extensionOf() found in the header.
    [[nodiscard]] static bool isComplete(const QByteArray &bytes, const QString &extension);

private:
    [[nodiscard]] static bool endsWhereTheFormatEnds(const QByteArray &bytes,
                                                     const QString &extension);
    [[nodiscard]] static bool heifDecodes(const QByteArray &bytes);
};
