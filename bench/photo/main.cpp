// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

// Times a 12-megapixel JPEG becoming a profile photo: read upright, flattened, the 3:4 frame cut,
// shrunk with Lanczos, screened and encoded as HEIC; each step through the client's own code and
// then as the bare library calls underneath (Qt's reader, QImage, OpenCV, libheif), in the same
// run. Prints the median of several runs per step and the client's time as a ratio to the bare.
#include "app/AllocatorSettings.h"
#include "media/NsfwClassifier.h"
#include "media/PhotoProcessor.h"
#include "photos/CropFrame.h"
#include "photos/PhotoPicking.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <libheif/heif.h>
#include <opencv2/dnn.hpp>
#include <opencv2/imgproc.hpp>

namespace {
constexpr int kRuns = 5;

QImage camera12MP() {
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 4000, 3000);
    sky.setColorAt(0, QColor(250, 200, 160));
    sky.setColorAt(1, QColor(40, 60, 120));
    painter.fillRect(image.rect(), sky);
    for (int i = 0; i < 3000; ++i)
        painter.fillRect((i * 977) % 4000, (i * 613) % 3000, 37, 29,
                         QColor::fromHsv(i % 360, 160, 210));
    return image;
}

double medianMs(const std::function<void()> &step) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

cv::Mat wrap(QImage &rgb) {
    return {rgb.height(), rgb.width(), CV_8UC3, rgb.bits(), size_t(rgb.bytesPerLine())};
}

QByteArray bareHeic(const QImage &photo) {
    QImage rgb = photo.convertToFormat(QImage::Format_RGB888);
    heif_context *context = heif_context_alloc();
    heif_encoder *encoder = nullptr;
    heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    heif_encoder_set_lossy_quality(encoder, 80);
    heif_encoder_set_parameter_string(encoder, "preset", "medium");
    heif_encoder_set_parameter_string(encoder, "x265:pools", "none");
    heif_image *image = nullptr;
    heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                      &image);
    heif_image_add_plane(image, heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        memcpy(plane + qsizetype(y) * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
    heif_context_encode_image(context, image, encoder, nullptr, nullptr);
    QByteArray bytes;
    heif_writer writer{};
    writer.writer_api_version = 1;
    writer.write = [](heif_context *, const void *data, size_t size, void *out) {
        static_cast<QByteArray *>(out)->append(static_cast<const char *>(data), qsizetype(size));
        return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
    };
    heif_context_write(context, &writer, &bytes);
    heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return bytes;
}

struct Step {
    const char *name;
    double client;
    double bare;
};
} // namespace

int main(int argc, char *argv[]) {
    // Every fresh buffer costs what it costs in the client, whose allocator hands large blocks
    // back when they are freed; otherwise whichever side ran second would reuse the first's pages.
    AllocatorSettings::returnLargeBlocksOnFree();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("camera.jpg"));
    if (!camera12MP().save(path, "JPEG", 92)) {
        std::fputs("cannot write the test photo\n", stderr);
        return 1;
    }
    NsfwClassifier classifier;
    if (!classifier.load()) {
        std::fputs("the classifier's model does not load (build the nsfwmodel target)\n", stderr);
        return 1;
    }
    cv::dnn::Net bareNet =
        cv::dnn::readNetFromONNX(NsfwClassifier::configuredModelPath().toStdString());

    // Each side keeps its results, as the client does, so both pay for fresh memory alike.
    QImage picked, flat, framed, fitted, barePicked, bareFlat, bareFramed;
    cv::Mat bareFitted;
    QRect frame;
    std::vector<Step> steps;
    steps.push_back({"read upright", medianMs([&] {
                         picked = PhotoPicking::fromFile(QUrl::fromLocalFile(path)).image;
                     }),
                     medianMs([&] {
                         QImageReader reader(path);
                         reader.setAutoTransform(true);
                         barePicked = reader.read();
                     })});
    steps.push_back({"flatten", medianMs([&] { flat = PhotoProcessor::flattened(picked); }),
                     medianMs([&] { bareFlat = picked.convertToFormat(QImage::Format_RGB32); })});
    frame = CropFrame(flat.size()).inPicture();
    steps.push_back({"cut frame", medianMs([&] { framed = PhotoProcessor::cut(flat, frame); }),
                     medianMs([&] { bareFramed = flat.copy(frame); })});
    steps.push_back({"Lanczos to 1200x1600",
                     medianMs([&] { fitted = PhotoProcessor::fitted(framed); }), medianMs([&] {
                         QImage rgb = framed.convertToFormat(QImage::Format_RGB888);
                         cv::resize(wrap(rgb), bareFitted, cv::Size(1200, 1600), 0, 0,
                                    cv::INTER_LANCZOS4);
                     })});
    steps.push_back(
        {"classify", medianMs([&] { (void)classifier.classify(fitted); }), medianMs([&] {
             QImage rgb = fitted.convertToFormat(QImage::Format_RGB888);
             bareNet.setInput(cv::dnn::blobFromImage(wrap(rgb), 1.0 / 255, cv::Size(224, 224)));
             (void)bareNet.forward();
         })});
    steps.push_back({"HEIC at 0.8", medianMs([&] { (void)PhotoProcessor::encodeHeic(fitted); }),
                     medianMs([&] { (void)bareHeic(fitted); })});

    double client = 0, bare = 0;
    std::printf("%-22s %10s %10s %7s\n", "step (median of 5)", "client ms", "bare ms", "ratio");
    for (const Step &step : steps) {
        std::printf("%-22s %10.1f %10.1f %7.2f\n", step.name, step.client, step.bare,
                    step.client / step.bare);
        client += step.client;
        bare += step.bare;
    }
    std::printf("%-22s %10.1f %10.1f %7.2f\n", "whole pipeline", client, bare, client / bare);
    std::printf("targets: whole pipeline under 1500 ms; at most 1.2 times the bare calls\n");
    return 0;
}
