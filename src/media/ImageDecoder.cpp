#include "ImageDecoder.h"

#include "LibrarySymbol.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <libheif/heif.h>
#include <memory>

namespace {
// libheif and the codecs behind it (x265, aom, dav1d, de265) take a noticeable part of the
// start when linked; most photos are no HEIC, so the library is opened on the first one, on
// the thread that decodes it.
struct Heif {
    decltype(&heif_context_alloc) contextAlloc = nullptr;
    decltype(&heif_context_free) contextFree = nullptr;
    decltype(&heif_context_read_from_memory_without_copy) readFromMemory = nullptr;
    decltype(&heif_context_get_primary_image_handle) primaryHandle = nullptr;
    decltype(&heif_image_handle_release) handleRelease = nullptr;
    decltype(&heif_decode_image) decodeImage = nullptr;
    decltype(&heif_image_release) imageRelease = nullptr;
    decltype(&heif_image_get_width) width = nullptr;
    decltype(&heif_image_get_height) height = nullptr;
    decltype(&heif_image_get_plane_readonly) plane = nullptr;

    [[nodiscard]] bool loaded() const { return plane != nullptr; }

    static const Heif &library() {
        static const Heif heif = open();
        return heif;
    }

private:
    static Heif open() {
        // The library stays loaded for the rest of the run.
        QLibrary lib(QStringLiteral("heif"), 1);
        Heif h;
        const bool all =
            resolveSymbol(lib, "heif_context_alloc", h.contextAlloc) &&
            resolveSymbol(lib, "heif_context_free", h.contextFree) &&
            resolveSymbol(lib, "heif_context_read_from_memory_without_copy", h.readFromMemory) &&
            resolveSymbol(lib, "heif_context_get_primary_image_handle", h.primaryHandle) &&
            resolveSymbol(lib, "heif_image_handle_release", h.handleRelease) &&
            resolveSymbol(lib, "heif_decode_image", h.decodeImage) &&
            resolveSymbol(lib, "heif_image_release", h.imageRelease) &&
            resolveSymbol(lib, "heif_image_get_width", h.width) &&
            resolveSymbol(lib, "heif_image_get_height", h.height) &&
            resolveSymbol(lib, "heif_image_get_plane_readonly", h.plane);
        if (!all) {
            qWarning().noquote() << "HEIC photos cannot be decoded:" << lib.errorString();
            return {};
        }
        return h;
    }
};

QImage decodeHeif(const QByteArray &bytes) {
    const Heif &heif = Heif::library();
    if (!heif.loaded())
        return {};
    std::unique_ptr<heif_context, decltype(heif.contextFree)> ctx(heif.contextAlloc(),
                                                                  heif.contextFree);
    if (heif.readFromMemory(ctx.get(), bytes.constData(), static_cast<size_t>(bytes.size()),
                            nullptr)
            .code != heif_error_Ok)
        return {};
    heif_image_handle *rawHandle = nullptr;
    if (heif.primaryHandle(ctx.get(), &rawHandle).code != heif_error_Ok)
        return {};
    std::unique_ptr<heif_image_handle, decltype(heif.handleRelease)> handle(rawHandle,
                                                                            heif.handleRelease);
    heif_image *rawImage = nullptr;
    if (heif.decodeImage(handle.get(), &rawImage, heif_colorspace_RGB, heif_chroma_interleaved_RGBA,
                         nullptr)
            .code != heif_error_Ok)
        return {};
    std::unique_ptr<heif_image, decltype(heif.imageRelease)> image(rawImage, heif.imageRelease);
    const int width = heif.width(image.get(), heif_channel_interleaved);
    const int height = heif.height(image.get(), heif_channel_interleaved);
    int stride = 0;
    const uint8_t *data = heif.plane(image.get(), heif_channel_interleaved, &stride);
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

QImage decode(const QByteArray &bytes) {
    if (bytes.isEmpty())
        return {};
    if (looksLikeHeif(bytes))
        return decodeHeif(bytes);
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
    return reader.read();
}

} // namespace ImageDecoder
