// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/ImageDecoder.h"

#include "media/Imaging.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace {
bool tooManyPixels(QSize size) {
    return qint64(size.width()) * size.height() > ImageDecoder::kMaxPixels;
}

QImage fitted(QImage image, int longestEdge) {
    if (longestEdge <= 0 || qMax(image.width(), image.height()) <= longestEdge)
        return image;
    return image.scaled(longestEdge, longestEdge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage decodeHeif(const QByteArray &bytes, bool bounded) {
    Imaging *imaging = Imaging::shared();
    return imaging ? imaging->decodeHeif(bytes, bounded ? ImageDecoder::kMaxPixels : 0) : QImage();
}

// A JPEG cut short still decodes, its missing part grey. Every segment before the image data
// gives its length, and the data of the last scan runs to the end-of-image marker, which the
// data itself cannot imitate (a 0xFF in it is followed by 0x00 or a restart marker). A
// thumbnail in the EXIF block has an end marker of its own, so the search starts at the first
// scan. Bytes laid out otherwise are left for the decoder to judge.
bool jpegIsWhole(const QByteArray &bytes) {
    qsizetype at = 2;
    while (at + 4 <= bytes.size()) {
        if (uchar(bytes[at]) != 0xFF)
            return true;
        const uchar marker = uchar(bytes[at + 1]);
        if (marker == 0xFF) { // fill
            ++at;
        } else if (marker == 0xDA) {
            return bytes.indexOf(QByteArrayView("\xFF\xD9", 2), at) >= 0;
        } else if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
        } else {
            at += 2 + qFromBigEndian<quint16>(bytes.constData() + at + 2);
        }
    }
    return false;
}

bool isHeifBrand(QByteArrayView brand) {
    static constexpr const char *kBrands[] = {"heic", "heix", "hevc", "hevx", "heim", "heis",
                                              "hevm", "hevs", "mif1", "msf1", "avif", "avis"};
    for (const char *known : kBrands) {
        if (brand == QByteArrayView(known, 4))
            return true;
    }
    return false;
}
} // namespace

namespace ImageDecoder {

bool looksLikeHeif(const QByteArray &bytes) {
    // The file-type box: its size, "ftyp", the major brand, a version, then compatible brands.
    if (bytes.size() < 12 || bytes.mid(4, 4) != "ftyp")
        return false;
    const qsizetype boxEnd =
        qMin<qsizetype>(bytes.size(), qFromBigEndian<quint32>(bytes.constData()));
    if (isHeifBrand(QByteArrayView(bytes).sliced(8, 4)))
        return true;
    for (qsizetype at = 16; at + 4 <= boxEnd; at += 4) {
        if (isHeifBrand(QByteArrayView(bytes).sliced(at, 4)))
            return true;
    }
    return false;
}

QImage decode(const QByteArray &bytes, int longestEdge) {
    if (bytes.isEmpty())
        return {};
    if (looksLikeHeif(bytes))
        return fitted(decodeHeif(bytes, longestEdge > 0), longestEdge);
    QBuffer buffer;
    buffer.setData(bytes);
    // Naming the usual formats spares the reader from opening every image plugin there is to
    // ask each whether it knows the bytes; anything else is still recognised that way.
    QByteArray format;
    if (bytes.startsWith("\xFF\xD8\xFF")) {
        if (!jpegIsWhole(bytes))
            return {};
        format = "jpeg";
    } else if (bytes.startsWith("\x89PNG\r\n\x1A\n")) {
        format = "png";
    }
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(format.isEmpty());
    reader.setAutoTransform(true);
    if (longestEdge <= 0 && reader.supportsOption(QImageIOHandler::ScaledSize)) {
        // A phone's photo of 50 to 200 megapixels, or a shot of an 8K screen, would hold up to
        // 800 MiB whole, more than Qt's readers allow at all. Its crop ends at most 1200 × 1600,
        // so a picture halved while it is read until it fits kMaxPixels still fills that unless
        // zoomed in far. The JPEG reader halves almost for free; the PNG reader still inflates
        // every row, so it is held to a smaller claim.
        const QSize size = reader.size();
        if (tooManyPixels(size / (reader.format() == "jpeg" ? 8 : 2)))
            return {};
        QSize halved = size;
        while (tooManyPixels(halved))
            halved = QSize((halved.width() + 1) / 2, (halved.height() + 1) / 2);
        if (halved != size)
            reader.setScaledSize(halved);
    } else if (longestEdge > 0) {
        const QSize size = reader.size();
        if (!size.isValid())
            return {};
        // Only the JPEG reader scales cheaply while it decodes, by dropping up to seven of every
        // eight rows and columns; the others are read whole and shrunk.
        if (qMax(size.width(), size.height()) > longestEdge && reader.format() == "jpeg" &&
            !tooManyPixels(size / 8))
            reader.setScaledSize(size.scaled(longestEdge, longestEdge, Qt::KeepAspectRatio));
        else if (tooManyPixels(size))
            return {};
    }
    return fitted(reader.read(), longestEdge);
}

} // namespace ImageDecoder
