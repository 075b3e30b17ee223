// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "HeifCodec.h"

#include <cstring>
#include <libheif/heif.h>
#include <memory>

namespace HeifCodec {

QImage decode(const QByteArray &bytes, qint64 maxPixels) {
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
    if (maxPixels > 0 && qint64(heif_image_handle_get_width(handle.get())) *
                                 heif_image_handle_get_height(handle.get()) >
                             maxPixels)
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

QByteArray encode(const QImage &image, double quality) {
    if (image.isNull())
        return {};
    using Context = std::unique_ptr<heif_context, decltype(&heif_context_free)>;
    Context context(heif_context_alloc(), &heif_context_free);
    heif_encoder *rawEncoder = nullptr;
    if (heif_context_get_encoder_for_format(context.get(), heif_compression_HEVC, &rawEncoder)
            .code != heif_error_Ok)
        return {};
    std::unique_ptr<heif_encoder, decltype(&heif_encoder_release)> encoder(rawEncoder,
                                                                           &heif_encoder_release);
    heif_encoder_set_lossy_quality(encoder.get(), int(quality * 100));
    // x265's default preset takes seconds for one photo; "medium" is near in size and quality.
    heif_encoder_set_parameter_string(encoder.get(), "preset", "medium");
    // x265's worker pool lowers its own threads to nice 10, and the user waits for this photo:
    // on a busy desktop those threads got a tenth of a core and one photo took up to 21 s. The
    // encoder runs in the calling thread at its weight instead, about 0.9 s slower on two idle
    // cores than the lowered pool.
    heif_encoder_set_parameter_string(encoder.get(), "x265:pools", "none");

    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    heif_image *rawImage = nullptr;
    if (heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB,
                          heif_chroma_interleaved_RGB, &rawImage)
            .code != heif_error_Ok)
        return {};
    std::unique_ptr<heif_image, decltype(&heif_image_release)> heifImage(rawImage,
                                                                         &heif_image_release);
    if (heif_image_add_plane(heifImage.get(), heif_channel_interleaved, rgb.width(), rgb.height(),
                             8)
            .code != heif_error_Ok)
        return {};
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(heifImage.get(), heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(plane + qsizetype(y) * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
    if (heif_context_encode_image(context.get(), heifImage.get(), encoder.get(), nullptr, nullptr)
            .code != heif_error_Ok)
        return {};

    QByteArray bytes;
    heif_writer writer{};
    writer.writer_api_version = 1;
    writer.write = [](heif_context *, const void *data, size_t size, void *userdata) {
        static_cast<QByteArray *>(userdata)->append(static_cast<const char *>(data),
                                                    qsizetype(size));
        return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
    };
    if (heif_context_write(context.get(), &writer, &bytes).code != heif_error_Ok)
        return {};
    return bytes;
}

} // namespace HeifCodec
