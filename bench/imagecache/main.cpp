// Times the image cache: a memory hit, disk hits that decode a 1200 × 1600 JPEG and HEIC
// photo, and the trimming of a directory of 500 files.
#include "media/ImageCacheManager.h"
#include "media/ImageDecoder.h"
#include "media/PhotoScaler.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <libheif/heif.h>

namespace {
QImage photo() {
    QImage image(1200, 1600, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 1200, 1600);
    g.setColorAt(0, QColor(255, 96, 54));
    g.setColorAt(1, QColor(40, 60, 120));
    p.fillRect(image.rect(), g);
    for (int i = 0; i < 200; ++i)
        p.fillRect((i * 97) % 1200, (i * 61) % 1600, 40, 40, QColor::fromHsv(i % 360, 200, 200));
    return image;
}

heif_error writeToBuffer(heif_context *, const void *data, size_t size, void *userdata) {
    static_cast<QByteArray *>(userdata)->append(static_cast<const char *>(data),
                                                static_cast<qsizetype>(size));
    return {heif_error_Ok, heif_suberror_Unspecified, ""};
}

QByteArray encodeHeic(const QImage &source) {
    const QImage rgb = source.convertToFormat(QImage::Format_RGB888);
    heif_context *ctx = heif_context_alloc();
    heif_encoder *encoder = nullptr;
    heif_context_get_encoder_for_format(ctx, heif_compression_HEVC, &encoder);
    heif_encoder_set_lossy_quality(encoder, 80);
    heif_encoder_set_parameter(encoder, "preset", "ultrafast");
    heif_image *image = nullptr;
    heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                      &image);
    heif_image_add_plane(image, heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        memcpy(plane + y * stride, rgb.constScanLine(y), static_cast<size_t>(rgb.width()) * 3);
    heif_context_encode_image(ctx, image, encoder, nullptr, nullptr);
    QByteArray out;
    heif_writer writer{1, writeToBuffer};
    heif_context_write(ctx, &writer, &out);
    heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(ctx);
    return out;
}

// Median of n runs of one disk hit: a fresh cache each time, so nothing comes from memory.
double diskHitMs(const QString &dir, const QString &url, int runs) {
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        ImageCacheManager cache(dir);
        bool done = false;
        QElapsedTimer t;
        t.start();
        cache.loadImage(url, [&](std::optional<QImage> image) {
            if (!image)
                std::fputs("disk hit failed\n", stderr);
            done = true;
        });
        while (!done)
            QCoreApplication::processEvents();
        times.append(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
// Median of n preparations of the photo for the feed's card, on this thread.
double prepareMs(const QImage &image, int runs) {
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const QImage prepared = PhotoScaler::prepare(image, {QSize(456, 574), 12, true});
        times.append(t.nsecsElapsed() / 1e6);
        if (prepared.isNull())
            std::fputs("preparing failed\n", stderr);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    const QImage image = photo();

    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    const QByteArray heic = encodeHeic(image);
    const QString jpegUrl = QStringLiteral("http://127.0.0.1:1/photo.jpg");
    const QString heicUrl = QStringLiteral("http://127.0.0.1:1/photo.heic");
    ImageCacheManager cache(dir.path());
    for (const auto &[url, bytes] : {std::pair{jpegUrl, jpeg}, std::pair{heicUrl, heic}}) {
        QFile f(*cache.filePath(url));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    std::printf("disk hit, JPEG 1200x1600 (%lld bytes): %.1f ms\n",
                static_cast<long long>(jpeg.size()), diskHitMs(dir.path(), jpegUrl, 7));
    std::printf("disk hit, HEIC 1200x1600 (%lld bytes): %.1f ms\n",
                static_cast<long long>(heic.size()), diskHitMs(dir.path(), heicUrl, 7));
    std::printf("preparing it for a 456x574 card (crop, shrink, shade, corners): %.1f ms\n",
                prepareMs(image, 7));

    bool done = false;
    cache.loadImage(jpegUrl, [&](std::optional<QImage>) { done = true; });
    while (!done)
        QCoreApplication::processEvents();
    QElapsedTimer t;
    const int hits = 1000;
    int answered = 0;
    t.start();
    for (int i = 0; i < hits; ++i)
        cache.loadImage(jpegUrl, [&](std::optional<QImage>) { ++answered; });
    while (answered < hits)
        QCoreApplication::processEvents();
    std::printf("memory hit, call to answer: %.3f ms each\n", t.nsecsElapsed() / 1e6 / hits);

    QTemporaryDir trimDir;
    const QByteArray chunk(32 * 1024, 'x');
    for (int i = 0; i < 500; ++i) {
        QFile f(trimDir.filePath(QString::number(i)));
        f.open(QIODevice::WriteOnly);
        f.write(chunk);
    }
    t.restart();
    ImageCacheManager(trimDir.path()).cleanUp();
    std::printf("clean-up of 500 files (16 MiB down to 10 MiB): %.1f ms\n", t.nsecsElapsed() / 1e6);
    return 0;
}
