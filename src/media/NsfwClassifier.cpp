#include "media/NsfwClassifier.h"

#include "BuildConfigValues.h"
#include "platform/DiagnosticLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <algorithm>
#include <cmath>
#include <opencv2/core.hpp>
#include <opencv2/dnn.hpp>

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
cv::Mat inputBlob(const QImage &image) {
    const QImage pixels =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_ARGB32);
    const std::vector<Tap> columns = taps(pixels.width());
    const std::vector<Tap> rows = taps(pixels.height());
    const int shape[] = {1, 3, kSide, kSide};
    cv::Mat blob(4, shape, CV_32F);
    float *planes = blob.ptr<float>();
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

// The class probabilities for one input, or an empty list when the network gives anything
// else.
std::vector<float> probabilities(cv::dnn::Net &net, const cv::Mat &blob) {
    net.setInput(blob);
    const cv::Mat out = net.forward();
    if (out.type() != CV_32F || out.total() != size_t(kClasses))
        return {};
    std::vector<float> result(out.ptr<float>(), out.ptr<float>() + kClasses);
    if (!std::all_of(result.begin(), result.end(), [](float p) { return std::isfinite(p); }))
        return {};
    return result;
}

} // namespace

struct NsfwClassifier::Model {
    cv::dnn::Net net;
};

const QStringList &NsfwClassifier::classLabels() {
    static const QStringList labels = {QStringLiteral("Drawing"), QStringLiteral("Hentai"),
                                       QStringLiteral("Neutral"), QStringLiteral("Porn"),
                                       QStringLiteral("Sexy")};
    return labels;
}

NsfwClassifier::NsfwClassifier(QString modelPath)
    : m_modelPath(std::move(modelPath)) {}

NsfwClassifier::~NsfwClassifier() = default;

NsfwClassifier &NsfwClassifier::shared() {
    static NsfwClassifier instance;
    return instance;
}

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
    if (m_model)
        return true;
    if (!QFileInfo(m_modelPath).isFile()) {
        m_error = QStringLiteral("no model file at ") + m_modelPath;
    } else {
        try {
            auto model = std::make_unique<Model>();
            model->net = cv::dnn::readNetFromONNX(m_modelPath.toStdString());
            const int shape[] = {1, 3, kSide, kSide};
            if (!model->net.empty() &&
                !probabilities(model->net, cv::Mat(4, shape, CV_32F, cv::Scalar(0))).empty()) {
                m_model = std::move(model);
                return true;
            }
            m_error = QStringLiteral("not a five-class network: ") + m_modelPath;
        } catch (const cv::Exception &e) {
            m_error = QString::fromStdString(e.msg).trimmed();
        }
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
    std::vector<float> p;
    try {
        p = probabilities(m_model->net, inputBlob(image));
    } catch (const cv::Exception &e) {
        m_error = QString::fromStdString(e.msg).trimmed();
        return std::nullopt;
    }
    if (p.empty()) {
        m_error = QStringLiteral("the network gave no five probabilities");
        return std::nullopt;
    }
    QList<ClassifierObservation> observations{{kNsfwLabel, p[kPorn] + p[kHentai]}};
    for (int i = 0; i < kClasses; ++i)
        observations.append({classLabels().at(i), p[size_t(i)]});
    return observations;
}

QString NsfwClassifier::errorString() const {
    QMutexLocker lock(&m_mutex);
    return m_error;
}
