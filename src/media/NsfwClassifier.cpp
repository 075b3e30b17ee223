// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/NsfwClassifier.h"

#include "BuildConfigValues.h"
#include "media/Imaging.h"
#include "platform/DiagnosticLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kSide = 224;
constexpr int kClasses = 5;
constexpr int kHentai = 1;
constexpr int kPorn = 3;

// One axis of a corner-aligned bilinear resize: the two source samples an output index falls
// between, and how far along it is. The arithmetic is tfjs's resizeBilinear with alignCorners
// (double precision, floor and ceil of the same position), so the network sees nsfwjs's pixels;
// OpenCV's INTER_LINEAR centres pixels instead and shifts values by up to 2e-2.
struct Tap {
    int low;
    int high;
    double fraction;
};

std::vector<Tap> taps(int sourceSize) {
    const double ratio = double(sourceSize - 1) / double(kSide - 1);
    std::vector<Tap> result(kSide);
    for (int i = 0; i < kSide; ++i) {
        const double position = ratio * i;
        const int low = std::max(0, int(std::floor(position)));
        result[size_t(i)] = {low, std::min(sourceSize - 1, int(std::ceil(position))),
                             position - low};
    }
    return result;
}

// The network's input, 1 × 3 × 224 × 224: the image stretched to a square, channels planar in
// RGB order, each value divided by 255 before it is interpolated, as nsfwjs does.
std::vector<float> inputBlob(const QImage &image) {
    const QImage pixels =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_ARGB32);
    const std::vector<Tap> columns = taps(pixels.width());
    const std::vector<Tap> rows = taps(pixels.height());
    std::vector<float> blob(size_t(3) * kSide * kSide);
    float *planes = blob.data();
    // tfjs keeps the quotients as float32 and interpolates them in double precision.
    const auto channel = [](QRgb pixel, int c) {
        const int value = c == 0 ? qRed(pixel) : c == 1 ? qGreen(pixel) : qBlue(pixel);
        return double(float(double(value) / 255.0));
    };
    for (int y = 0; y < kSide; ++y) {
        const Tap &row = rows[size_t(y)];
        const auto *top = reinterpret_cast<const QRgb *>(pixels.constScanLine(row.low));
        const auto *bottom = reinterpret_cast<const QRgb *>(pixels.constScanLine(row.high));
        for (int x = 0; x < kSide; ++x) {
            const Tap &column = columns[size_t(x)];
            for (int c = 0; c < 3; ++c) {
                const double topLeft = channel(top[column.low], c);
                const double topRight = channel(top[column.high], c);
                const double bottomLeft = channel(bottom[column.low], c);
                const double bottomRight = channel(bottom[column.high], c);
                const double upper = topLeft + (topRight - topLeft) * column.fraction;
                const double lower = bottomLeft + (bottomRight - bottomLeft) * column.fraction;
                planes[(c * kSide + y) * kSide + x] = float(upper + (lower - upper) * row.fraction);
            }
        }
    }
    return blob;
}

// The class probabilities for one input, or an empty list, with the reason in error, when the
// network gives anything else.
std::vector<float> probabilities(NsfwNetwork &net, const std::vector<float> &blob, QString *error) {
    std::vector<float> result = net.run(blob, kSide, error);
    if (result.empty())
        return {};
    if (result.size() != size_t(kClasses)) {
        *error = QStringLiteral("the network gave no five probabilities");
        return {};
    }
    return result;
}

} // namespace

const QStringList &NsfwClassifier::classLabels() {
    static const QStringList labels = {QStringLiteral("Drawing"), QStringLiteral("Hentai"),
                                       QStringLiteral("Neutral"), QStringLiteral("Porn"),
                                       QStringLiteral("Sexy")};
    return labels;
}

NsfwClassifier::NsfwClassifier(QString modelPath)
    : m_modelPath(std::move(modelPath)) {}

NsfwClassifier::~NsfwClassifier() = default;

QString NsfwClassifier::configuredModelPath() {
    const QString overridden = qEnvironmentVariable("ZIREL_NSFW_MODEL");
    if (!overridden.isEmpty())
        return overridden;
    // An installed client finds the model in its own prefix, wherever that was unpacked.
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zirel/nsfw.onnx");
    return QFileInfo(installed).isFile() ? QDir::cleanPath(installed)
                                         : QStringLiteral(ZIREL_BUILD_NSFW_MODEL);
}

bool NsfwClassifier::load() {
    QMutexLocker lock(&m_mutex);
    return loadLocked();
}

bool NsfwClassifier::loadLocked() {
    if (m_network)
        return true;
    if (!QFileInfo(m_modelPath).isFile()) {
        m_error = QStringLiteral("no model file at ") + m_modelPath;
    } else if (Imaging *imaging = Imaging::shared(&m_error)) {
        std::unique_ptr<NsfwNetwork> network = imaging->readNetwork(m_modelPath, &m_error);
        QString error;
        if (network &&
            !probabilities(*network, std::vector<float>(size_t(3) * kSide * kSide), &error)
                 .empty()) {
            m_network = std::move(network);
            return true;
        }
        if (network)
            m_error = QStringLiteral("not a five-class network: ") + m_modelPath;
    }
    qCWarning(lcMedia).noquote() << QStringLiteral("NSFW model: ") + m_error;
    return false;
}

std::optional<QList<ClassifierObservation>> NsfwClassifier::classify(const QImage &image) {
    QMutexLocker lock(&m_mutex);
    if (image.isNull()) {
        m_error = QStringLiteral("empty image");
        return std::nullopt;
    }
    if (!loadLocked())
        return std::nullopt;
    const std::vector<float> p = probabilities(*m_network, inputBlob(image), &m_error);
    if (p.empty())
        return std::nullopt;
    QList<ClassifierObservation> observations{{kNsfwLabel, p[kPorn] + p[kHentai]}};
    for (int i = 0; i < kClasses; ++i)
        observations.append({classLabels().at(i), p[size_t(i)]});
    return observations;
}

QString NsfwClassifier::errorString() const {
    QMutexLocker lock(&m_mutex);
    return m_error;
}
