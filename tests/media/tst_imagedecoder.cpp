#include "media/ImageDecoder.h"

#include <QTest>
#include <libheif/heif.h>

namespace {
// A small HEIC written with libheif's own encoder, half red and half blue.
QByteArray heic(int width, int height) {
    heif_context *context = heif_context_alloc();
    heif_encoder *encoder = nullptr;
    heif_image *image = nullptr;
    QByteArray bytes;
    if (heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder).code ==
            heif_error_Ok &&
        heif_image_create(width, height, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image)
                .code == heif_error_Ok &&
        heif_image_add_plane(image, heif_channel_interleaved, width, height, 8).code ==
            heif_error_Ok) {
        int stride = 0;
        uint8_t *plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                uint8_t *pixel = plane + y * stride + x * 3;
                pixel[0] = x < width / 2 ? 255 : 0;
                pixel[1] = 0;
                pixel[2] = x < width / 2 ? 0 : 255;
            }
        }
        heif_writer writer{1, [](heif_context *, const void *data, size_t size, void *into) {
                               static_cast<QByteArray *>(into)->append(
                                   static_cast<const char *>(data), qsizetype(size));
                               return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
                           }};
        if (heif_context_encode_image(context, image, encoder, nullptr, nullptr).code !=
                heif_error_Ok ||
            heif_context_write(context, &writer, &bytes).code != heif_error_Ok)
            bytes.clear();
    }
    heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return bytes;
}
} // namespace

class TestImageDecoder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The photo module is loaded by the decoder itself on the first HEIC it meets.
    void decodesHeicAndTellsItFromOtherBytes() {
        const QByteArray bytes = heic(64, 48);
        QVERIFY(!bytes.isEmpty());
        QVERIFY(ImageDecoder::looksLikeHeif(bytes));
        const QImage image = ImageDecoder::decode(bytes);
        QCOMPARE(image.size(), QSize(64, 48));
        QVERIFY(qRed(image.pixel(8, 24)) > 200 && qBlue(image.pixel(8, 24)) < 60);
        QVERIFY(qBlue(image.pixel(56, 24)) > 200 && qRed(image.pixel(56, 24)) < 60);

        QByteArray mp4 = bytes.left(32);
        mp4.replace(8, 4, "isom");
        for (qsizetype at = 16; at + 4 <= 32; at += 4)
            mp4.replace(at, 4, "mp41");
        QVERIFY(!ImageDecoder::looksLikeHeif(mp4));
        QVERIFY(ImageDecoder::decode(bytes.left(bytes.size() / 3)).isNull());
    }
};

QTEST_MAIN(TestImageDecoder)
#include "tst_imagedecoder.moc"
