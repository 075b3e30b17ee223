#include "ImageDecoder.h"

#include <QBuffer>
#include <QImageReader>
#include <libheif/heif.h>
#include <memory>

namespace {
QImage decodeHeif(const QByteArray &bytes) {
    std::unique_ptr<heif_context, decltype(&heif_context_free)> ctx(heif_context_alloc(),
                                                                    heif_context_free);
    if (heif_context_read_from_memory_without_copy(ctx.get(), bytes.constData(),
                                                   static_cast<size_t>(bytes.size()), nullptr)
            .code != heif_error_Ok)
        return {};
    heif_image_handle *rawHandle = nullptr;
    if (heif_context_get_primary_image_handle(ctx.get(), &rawHandle).code != heif_error_Ok)
        return {};
    std::unique_ptr<heif_image_handle, decltype(&heif_image_handle_release)> handle(
        rawHandle, heif_image_handle_release);
    heif_image *rawImage = nullptr;
    if (heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB,
                          heif_chroma_interleaved_RGBA, nullptr)
            .code != heif_error_Ok)
        return {};
    std::unique_ptr<heif_image, decltype(&heif_image_release)> image(rawImage, heif_image_release);
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
} // namespace

namespace ImageDecoder {

bool looksLikeHeif(const QByteArray &bytes) {
    if (bytes.size() < 12 || bytes.mid(4, 4) != "ftyp")
        return false;
    return heif_check_filetype(reinterpret_cast<const uint8_t *>(bytes.constData()),
                               static_cast<int>(qMin<qsizetype>(bytes.size(), 64))) !=
           heif_filetype_no;
}

QImage decode(const QByteArray &bytes) {
    if (bytes.isEmpty())
        return {};
    if (looksLikeHeif(bytes))
        return decodeHeif(bytes);
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    return reader.read();
}

} // namespace ImageDecoder
