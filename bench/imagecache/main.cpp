// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

// Times the image cache: a memory hit, disk hits that decode a 1200 × 1600 JPEG and HEIC
// photo, and the trimming of a directory of 500 files.
#include "media/ImageCacheManager.h"
#include "media/ImageDecoder.h"
#include "media/PhotoDownloader.h"
#include "media/PhotoProcessor.h"
#include "media/PhotoScaler.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

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

// Median of n runs of one disk hit: a fresh cache each time, so nothing comes from memory.
double diskHitMs(PhotoDownloader &downloads, const QString &dir, const QString &url, int runs) {
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        ImageCacheManager cache(downloads, dir);
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
    PhotoDownloader downloads;
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    const QImage image = photo();

    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    const QByteArray heic = PhotoProcessor::encodeHeic(image);
    const QString jpegUrl = QStringLiteral("http://127.0.0.1:1/photo.jpg");
    const QString heicUrl = QStringLiteral("http://127.0.0.1:1/photo.heic");
    ImageCacheManager cache(downloads, dir.path());
    for (const auto &[url, bytes] : {std::pair{jpegUrl, jpeg}, std::pair{heicUrl, heic}}) {
        QFile f(*cache.filePath(url));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    std::printf("disk hit, JPEG 1200x1600 (%lld bytes): %.1f ms\n",
                static_cast<long long>(jpeg.size()), diskHitMs(downloads, dir.path(), jpegUrl, 7));
    std::printf("disk hit, HEIC 1200x1600 (%lld bytes): %.1f ms\n",
                static_cast<long long>(heic.size()), diskHitMs(downloads, dir.path(), heicUrl, 7));
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
    ImageCacheManager(downloads, trimDir.path()).cleanUp();
    std::printf("clean-up of 500 files (16 MiB down to 10 MiB): %.1f ms\n", t.nsecsElapsed() / 1e6);
    return 0;
}
