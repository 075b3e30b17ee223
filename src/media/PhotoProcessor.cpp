// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/PhotoProcessor.h"

#include "media/Imaging.h"

#include <QPainter>

namespace PhotoProcessor {

QImage flattened(const QImage &image) {
    // A camera photo has nothing to flatten; painting twelve megapixels over black would only
    // cost time.
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::black);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}

QImage cut(const QImage &image, const QRect &rect) {
    const QRect inside = rect.intersected(image.rect());
    return inside.isEmpty() ? QImage() : image.copy(inside);
}

QImage fitted(const QImage &image) {
    if (image.width() <= kMaxSize.width() && image.height() <= kMaxSize.height())
        return image;
    const double f = std::min(double(kMaxSize.width()) / image.width(),
                              double(kMaxSize.height()) / image.height());
    const QSize size(std::max(1, int(image.width() * f)), std::max(1, int(image.height() * f)));
    if (Imaging *imaging = Imaging::shared())
        return imaging->resizedLanczos(image, size);
    // Without the module the photo is still fitted, only a little softer.
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}

QByteArray encodeHeic(const QImage &image, double quality) {
    Imaging *imaging = image.isNull() ? nullptr : Imaging::shared();
    return imaging ? imaging->encodeHeic(image, quality) : QByteArray();
}

} // namespace PhotoProcessor
