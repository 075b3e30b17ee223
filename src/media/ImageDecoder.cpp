#include "media/ImageDecoder.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <libheif/heif.h>
#include <memory>

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
    std::unique_ptr<heif_context, decltype(&heif_context_free)> ctx(heif_context_alloc(),
                                                                    &heif_context_free);
    if (heif_context_read_from_memory_without_copy(ctx.get(), bytes.constData(),
                                                   static_cast<size_t>(bytes.size()), nullptr)
            .code != heif_error_Ok)
        return {};
    heif_image_handle *rawHandle = nullptr;
    if (heif_context_get_primary_image_handle(ctx.get(), &rawHandle).code != heif_error_Ok)
        return {};
    std::unique_ptr<heif_image_handle, decltype(&heif_image_handle_release)> handle(
        rawHandle, &heif_image_handle_release);
    if (bounded && tooManyPixels(QSize(heif_image_handle_get_width(handle.get()),
                                       heif_image_handle_get_height(handle.get()))))
        return {};
    heif_image *rawImage = nullptr;
    if (heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB,
                          heif_chroma_interleaved_RGBA, nullptr)
            .code != heif_error_Ok)
        return {};
    std::unique_ptr<heif_image, decltype(&heif_image_release)> image(rawImage, &heif_image_release);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    int stride = 0;
    const uint8_t *data =
        heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    if (!data || width <= 0 || height <= 0)
        return {};
    // copy() detaches from libheif's buffer, which is freed with the image.
    return QImage(data, width, height, stride, QImage::Format_RGBA8888).copy();
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
    if (bytes.startsWith("\xFF\xD8\xFF"))
        format = "jpeg";
    else if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        format = "png";
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(format.isEmpty());
    reader.setAutoTransform(true);
    if (longestEdge > 0) {
        const QSize size = reader.size();
        if (!size.isValid())
            return {};
        // Only the JPEG reader scales while it decodes, by dropping up to seven of every eight
        // rows and columns; the others hold every pixel first.
        if (qMax(size.width(), size.height()) > longestEdge && reader.format() == "jpeg" &&
            !tooManyPixels(size / 8))
            reader.setScaledSize(size.scaled(longestEdge, longestEdge, Qt::KeepAspectRatio));
        else if (tooManyPixels(size))
            return {};
    }
    return fitted(reader.read(), longestEdge);
}

} // namespace ImageDecoder
