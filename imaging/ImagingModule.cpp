// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ImagingModule.h"

#include "HeifCodec.h"
#include "OnnxNetwork.h"

#include <opencv2/imgproc.hpp>

QImage ImagingModule::decodeHeif(const QByteArray &bytes, qint64 maxPixels) {
    return HeifCodec::decode(bytes, maxPixels);
}

QByteArray ImagingModule::encodeHeic(const QImage &image, double quality) {
    return HeifCodec::encode(image, quality);
}

QImage ImagingModule::resizedLanczos(const QImage &image, QSize size) {
    const QImage source = image.convertToFormat(QImage::Format_RGB888);
    QImage result(size, QImage::Format_RGB888);
    const cv::Mat from(source.height(), source.width(), CV_8UC3,
                       const_cast<uchar *>(source.constBits()), size_t(source.bytesPerLine()));
    cv::Mat to(result.height(), result.width(), CV_8UC3, result.bits(),
               size_t(result.bytesPerLine()));
    cv::resize(from, to, to.size(), 0, 0, cv::INTER_LANCZOS4);
    return result;
}

std::unique_ptr<NsfwNetwork> ImagingModule::readNetwork(const QString &path, QString *error) {
    try {
        cv::dnn::Net net = cv::dnn::readNetFromONNX(path.toStdString());
        if (!net.empty())
            return std::make_unique<OnnxNetwork>(std::move(net));
        *error = QStringLiteral("no network in ") + path;
    } catch (const cv::Exception &e) {
        *error = QString::fromStdString(e.msg).trimmed();
    }
    return nullptr;
}
