#include "media/PhotoProcessor.h"

#include <QPainter>
#include <libheif/heif.h>
#include <memory>
#include <opencv2/imgproc.hpp>

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
    const QImage source = image.convertToFormat(QImage::Format_RGB888);
    QImage result(size, QImage::Format_RGB888);
    const cv::Mat from(source.height(), source.width(), CV_8UC3,
                       const_cast<uchar *>(source.constBits()), size_t(source.bytesPerLine()));
    cv::Mat to(result.height(), result.width(), CV_8UC3, result.bits(),
               size_t(result.bytesPerLine()));
    cv::resize(from, to, to.size(), 0, 0, cv::INTER_LANCZOS4);
    return result;
}

QByteArray encodeHeic(const QImage &image, double quality) {
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
        memcpy(plane + qsizetype(y) * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
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

} // namespace PhotoProcessor
