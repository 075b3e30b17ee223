// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/NsfwClassifier.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent>
#include <cmath>

namespace {
// nsfwjs's own probabilities are the reference; the converted network and the client's resize
// must reproduce them to this (they differ only in float rounding).
constexpr double kTolerance = 1e-5;

const QString kFixtures = QStringLiteral(ZIREL_FIXTURES_DIR "/nsfw/");

// The confidence of one label, or NaN when it is missing.
float confidenceOf(const QList<ClassifierObservation> &observations, const QString &label) {
    for (const ClassifierObservation &o : observations) {
        if (o.label == label)
            return o.confidence;
    }
    return NAN;
}
} // namespace

class TestNsfwClassifier : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_classifier.load(), qPrintable(m_classifier.errorString())); }

    // Images that nsfwjs's resize shrinks, enlarges, shrinks one way and enlarges the other, and
    // (at 224 × 224) skips, as nsfwjs classified them (tools/nsfwmodel/make-reference). The
    // pixel format the image arrives in makes no difference.
    void agreesWithNsfwjs() {
        QFile file(kFixtures + QStringLiteral("expected.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject expected = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(expected.value(u"classes").toVariant().toStringList(),
                 NsfwClassifier::classLabels());
        const QJsonArray images = expected.value(u"images").toArray();
        QCOMPARE(images.size(), 6);
        for (const QJsonValue &entry : images) {
            const QString name = entry[u"file"].toString();
            const QJsonArray reference = entry[u"probabilities"].toArray();
            const QImage image(kFixtures + name);
            QVERIFY2(!image.isNull(), qPrintable(name));
            for (const QImage &variant : {image, image.convertToFormat(QImage::Format_RGB888)}) {
                const auto observations = m_classifier.classify(variant);
                QVERIFY2(observations, qPrintable(m_classifier.errorString()));
                QCOMPARE(observations->size(), 6);
                for (int i = 0; i < 5; ++i) {
                    const QString label = NsfwClassifier::classLabels().at(i);
                    const double difference =
                        std::abs(confidenceOf(*observations, label) - reference[i].toDouble());
                    QVERIFY2(
                        difference <= kTolerance,
                        qPrintable(
                            QStringLiteral("%1 %2: off by %3").arg(name, label).arg(difference)));
                }
            }
        }
    }

    // "NSFW" adds Porn and Hentai and nothing else ("Sexy" is not nudity): the skin-coloured
    // shapes, which nsfwjs calls Hentai, are flagged past the screen's 0.6, the gradient is not.
    void nsfwCountsExplicitClassesOnly() {
        const auto skin = m_classifier.classify(QImage(kFixtures + QStringLiteral("skin.png")));
        const auto gradient =
            m_classifier.classify(QImage(kFixtures + QStringLiteral("gradient.png")));
        QVERIFY(skin && gradient);
        for (const auto &observations : {*skin, *gradient}) {
            QCOMPARE(confidenceOf(observations, NsfwClassifier::kNsfwLabel),
                     confidenceOf(observations, QStringLiteral("Porn")) +
                         confidenceOf(observations, QStringLiteral("Hentai")));
        }
        QVERIFY(confidenceOf(*skin, NsfwClassifier::kNsfwLabel) > 0.6f);
        QVERIFY(confidenceOf(*gradient, NsfwClassifier::kNsfwLabel) < 0.1f);
    }

    // A model that is missing or is not one, and an image that is not there, give no result
    // at all rather than a clean verdict, and promptly; a model put in place later is picked up.
    void failuresGiveNoVerdict() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("nsfw.onnx"));
        NsfwClassifier classifier(path);
        const QImage image(kFixtures + QStringLiteral("flat.png"));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!classifier.classify(image));
        QVERIFY(classifier.errorString().contains(path));

        QFile garbage(path);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, 'x'));
        garbage.close();
        QVERIFY(!classifier.load());
        QVERIFY(!classifier.classify(image));
        QVERIFY(!classifier.errorString().isEmpty());
        QVERIFY(timer.elapsed() < 5000);

        QVERIFY(garbage.remove());
        QVERIFY(QFile::copy(NsfwClassifier::configuredModelPath(), path));
        QVERIFY(!classifier.classify(QImage()));
        QVERIFY(classifier.classify(image));
    }

    // The client finds the model the build wrote, unless ZIREL_NSFW_MODEL names another; the
    // one classifier serves threads one after another.
    void findsTheBuiltModel() {
        const QString built = NsfwClassifier::configuredModelPath();
        QVERIFY2(QFile::exists(built), qPrintable(built));
        qputenv("ZIREL_NSFW_MODEL", "/elsewhere/model.onnx");
        QCOMPARE(NsfwClassifier::configuredModelPath(), QStringLiteral("/elsewhere/model.onnx"));
        qunsetenv("ZIREL_NSFW_MODEL");
        QCOMPARE(NsfwClassifier::configuredModelPath(), built);

        const QImage image(kFixtures + QStringLiteral("noise.png"));
        const auto alone = m_classifier.classify(image);
        QVERIFY(alone);
        const float expected = confidenceOf(*alone, NsfwClassifier::kNsfwLabel);
        QList<QFuture<float>> runs;
        for (int i = 0; i < 3; ++i) {
            runs.append(QtConcurrent::run([this, image] {
                const auto result = m_classifier.classify(image);
                return result ? confidenceOf(*result, NsfwClassifier::kNsfwLabel) : -1.0f;
            }));
        }
        for (QFuture<float> &run : runs)
            QCOMPARE(run.result(), expected);
    }

private:
    NsfwClassifier m_classifier{NsfwClassifier::configuredModelPath()};
};

QTEST_GUILESS_MAIN(TestNsfwClassifier)
#include "tst_nsfwclassifier.moc"
