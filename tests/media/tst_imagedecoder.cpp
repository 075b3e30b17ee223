// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/ImageDecoder.h"

#include <QBuffer>
#include <QImageWriter>
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
// A JPEG of a noisy picture (so the image data is most of the file), baseline or progressive.
QByteArray jpeg(bool progressive) {
    QImage image(200, 150, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + y * 13) % 256, (x * y) % 256, (x ^ y) % 256));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    return writer.write(image) ? buffer.data() : QByteArray();
}

// The same with an EXIF block that holds a thumbnail, which ends in a marker of its own.
QByteArray withThumbnail(const QByteArray &jpegBytes) {
    QByteArray thumbnail;
    QBuffer buffer(&thumbnail);
    buffer.open(QIODevice::WriteOnly);
    QImage(8, 6, QImage::Format_RGB32).save(&buffer, "jpeg");
    const QByteArray payload = "Exif\0\0" + thumbnail;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((payload.size() + 2) >> 8)).append(char((payload.size() + 2) & 0xFF));
    return QByteArray(jpegBytes).insert(2, segment + payload);
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

    // A photo cut short (a broken copy, a download that stopped) is no picture, rather than one
    // whose lower part is grey; bytes after a whole one (a clip some phones append) are no harm.
    void aJpegCutShortIsNoPicture() {
        for (const bool progressive : {false, true}) {
            for (const QByteArray &whole : {jpeg(progressive), withThumbnail(jpeg(progressive))}) {
                QVERIFY(whole.size() > 4000);
                QCOMPARE(ImageDecoder::decode(whole).size(), QSize(200, 150));
                QCOMPARE(ImageDecoder::decode(whole + QByteArray(3000, 'v'), 100).size(),
                         QSize(100, 75));
                for (const double kept : {0.5, 0.9})
                    QVERIFY(
                        ImageDecoder::decode(whole.left(qsizetype(whole.size() * kept))).isNull());
                QVERIFY(ImageDecoder::decode(whole.left(whole.size() - 2)).isNull());
            }
        }
    }

    // A phone's photo or an 8K screenshot of this size whole is more than Qt's readers take;
    // the user's own is read halved instead, and only a claim too large to read is refused.
    void aHugePictureOfTheUserIsReadHalved() {
        QImage image(8000, 4600, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        for (const char *format : {"jpeg", "png"}) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(image.save(&buffer, format));
            const QImage read = ImageDecoder::decode(buffer.data());
            QCOMPARE(read.size(), QSize(4000, 2300));
            const QColor middle = read.pixelColor(2000, 1150);
            QVERIFY2(middle.red() < 8 && qAbs(middle.green() - 128) < 8, qPrintable(middle.name()));
        }

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.save(&buffer, "jpeg"));
        QCOMPARE(ImageDecoder::decode(buffer.data(), 400).size(), QSize(400, 230));
        QByteArray claim = buffer.data();
        const qsizetype frame = claim.indexOf("\xFF\xC0");
        QVERIFY(frame > 0);
        claim[frame + 5] = char(0xFF); // height 65 280 and up
        claim[frame + 7] = char(0xFF); // width likewise
        QVERIFY(ImageDecoder::decode(claim).isNull());
    }
};

QTEST_MAIN(TestImageDecoder)
#include "tst_imagedecoder.moc"
