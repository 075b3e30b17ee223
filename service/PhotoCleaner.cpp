// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "PhotoCleaner.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>

#include <libheif/heif.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include <jpeglib.h>

namespace {

struct StrictJpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

[[noreturn]] void refuseJpeg(j_common_ptr info) {
    std::longjmp(reinterpret_cast<StrictJpegErrors *>(info->err)->escape, 1);
}

// libjpeg pads a picture whose data ends early with grey and only warns; Qt's reader passes the
// warning to the log and returns the padded picture. Here a corrupt-data warning is a refusal.
// The scanline buffer comes from libjpeg's own pool, which the jump out cannot leak.
bool jpegDecodesCleanly(const QByteArray &bytes) {
    jpeg_decompress_struct info{};
    StrictJpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = refuseJpeg;
    errors.manager.emit_message = [](j_common_ptr common, int level) {
        if (level < 0)
            refuseJpeg(common);
    };
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (!PhotoCleaner::fits(int(info.image_width), int(info.image_height))) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, row, 1);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool hasTransparency(const QImage &image) {
    if (!image.hasAlphaChannel())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        if (std::any_of(line, line + argb.width(), [](QRgb p) { return qAlpha(p) != 255; }))
            return true;
    }
    return false;
}

} // namespace

QByteArray PhotoCleaner::clean(const QByteArray &bytes, const QString &extension) {
    const QImage image = decode(bytes, extension);
    return image.isNull() ? QByteArray() : encode(image);
}

bool PhotoCleaner::fits(int width, int height) {
    return width > 0 && height > 0 && std::max(width, height) <= kLongestSide &&
           std::min(width, height) <= kShortestSide;
}

QImage PhotoCleaner::decode(const QByteArray &bytes, const QString &extension) {
    if (extension == QLatin1String("heic") || extension == QLatin1String("avif"))
        return decodeHeif(bytes);
    if (!endsWhereTheFormatEnds(bytes, extension))
        return {};
    const bool jpeg = extension == QLatin1String("jpg");
    if (jpeg && !jpegDecodesCleanly(bytes))
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, jpeg ? "jpeg" : extension.toLatin1());
    reader.setDecideFormatFromContent(false);
    // The size, read from the header first, keeps a forged or oversized one from asking for
    // gigapixels. The orientation a camera recorded goes into the pixels, since the stored
    // copy carries no metadata to say it.
    const QSize size = reader.size();
    if (!size.isValid() || !fits(size.width(), size.height()))
        return {};
    reader.setAutoTransform(true);
    return reader.read();
}

QImage PhotoCleaner::decodeHeif(const QByteArray &bytes) {
    std::unique_ptr<heif_context, decltype(&heif_context_free)> context(heif_context_alloc(),
                                                                        &heif_context_free);
    heif_image_handle *primary = nullptr;
    if (heif_context_read_from_memory_without_copy(context.get(), bytes.constData(),
                                                   size_t(bytes.size()), nullptr)
                .code != heif_error_Ok ||
        heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return {};
    std::unique_ptr<heif_image_handle, decltype(&heif_image_handle_release)> handle(
        primary, &heif_image_handle_release);
    if (!fits(heif_image_handle_get_width(primary), heif_image_handle_get_height(primary)))
        return {};
    const bool alpha = heif_image_handle_has_alpha_channel(primary) != 0;
    std::unique_ptr<heif_decoding_options, decltype(&heif_decoding_options_free)> options(
        heif_decoding_options_alloc(), &heif_decoding_options_free);
    options->strict_decoding = 1;
    heif_image *decoded = nullptr;
    if (heif_decode_image(primary, &decoded, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                          options.get())
            .code != heif_error_Ok)
        return {};
    std::unique_ptr<heif_image, decltype(&heif_image_release)> pixels(decoded, &heif_image_release);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    int stride = 0;
    const uint8_t *plane =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    if (!plane || !fits(width, height))
        return {};
    QImage image(width, height, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), plane + qsizetype(y) * stride,
                    size_t(width) * (alpha ? 4 : 3));
    return image;
}

bool PhotoCleaner::endsWhereTheFormatEnds(const QByteArray &bytes, const QString &extension) {
    if (extension == QLatin1String("png"))
        return bytes.endsWith(QByteArray("IEND\xAE\x42\x60\x82", 8));
    if (extension == QLatin1String("jpg"))
        return bytes.endsWith("\xFF\xD9");
    // A WebP file is one RIFF chunk whose size counts everything after its first 8 bytes.
    return bytes.size() >= 12 &&
           qFromLittleEndian<quint32>(bytes.constData() + 4) == quint32(bytes.size() - 8);
}

QByteArray PhotoCleaner::encode(const QImage &decoded) {
    QImage source = decoded;
    if (source.colorSpace().isValid() && source.colorSpace() != QColorSpace::SRgb)
        source.convertToColorSpace(QColorSpace::SRgb);
    // A photo with see-through parts keeps them losslessly; every other one becomes a JPEG,
    // which costs milliseconds where encoding HEIC again would cost seconds.
    const bool transparent = hasTransparency(source);
    source = source.convertToFormat(transparent ? QImage::Format_ARGB32 : QImage::Format_RGB888);
    // A fresh image, so not even the reader's text keys or colour profile are written back.
    QImage pixels(source.size(), source.format());
    for (int y = 0; y < source.height(); ++y)
        std::memcpy(pixels.scanLine(y), source.constScanLine(y),
                    size_t(std::min(pixels.bytesPerLine(), source.bytesPerLine())));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, transparent ? "png" : "jpeg");
    if (!transparent)
        writer.setQuality(kJpegQuality);
    return writer.write(pixels) ? bytes : QByteArray();
}
