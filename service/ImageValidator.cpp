#include "ImageValidator.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <libheif/heif.h>

#include <algorithm>
#include <memory>

bool ImageValidator::isComplete(const QByteArray &bytes, const QString &extension) {
    if (extension == QLatin1String("heic") || extension == QLatin1String("avif"))
        return heifDecodes(bytes);
    if (!endsWhereTheFormatEnds(bytes, extension))
        return false;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, extension == QLatin1String("jpg") ? "jpeg" : extension.toLatin1());
    reader.setDecideFormatFromContent(false);
    // Decoding checks the structure; the size, read from the header first, keeps a forged or
    // oversized one from asking for gigapixels.
    const QSize size = reader.size();
    if (!size.isValid() || !fits(size.width(), size.height()))
        return false;
    return !reader.read().isNull();
}

bool ImageValidator::fits(int width, int height) {
    return width > 0 && height > 0 && std::max(width, height) <= kLongestSide &&
           std::min(width, height) <= kShortestSide;
}

bool ImageValidator::endsWhereTheFormatEnds(const QByteArray &bytes, const QString &extension) {
    if (extension == QLatin1String("png"))
        return bytes.endsWith(QByteArray("IEND\xAE\x42\x60\x82", 8));
    if (extension == QLatin1String("jpg"))
        return bytes.endsWith("\xFF\xD9");
    // A WebP file is one RIFF chunk whose size counts everything after its first 8 bytes.
    return bytes.size() >= 12 &&
           qFromLittleEndian<quint32>(bytes.constData() + 4) == quint32(bytes.size() - 8);
}

bool ImageValidator::heifDecodes(const QByteArray &bytes) {
    std::unique_ptr<heif_context, decltype(&heif_context_free)> context(heif_context_alloc(),
                                                                        &heif_context_free);
    heif_image_handle *primary = nullptr;
    if (heif_context_read_from_memory_without_copy(context.get(), bytes.constData(),
                                                   size_t(bytes.size()), nullptr)
                .code != heif_error_Ok ||
        heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return false;
    std::unique_ptr<heif_image_handle, decltype(&heif_image_handle_release)> handle(
        primary, &heif_image_handle_release);
    if (!fits(heif_image_handle_get_width(primary), heif_image_handle_get_height(primary)))
        return false;
    heif_image *decoded = nullptr;
    const bool ok = heif_decode_image(primary, &decoded, heif_colorspace_undefined,
                                      heif_chroma_undefined, nullptr)
                        .code == heif_error_Ok;
    heif_image_release(decoded);
    return ok;
}
