// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "media/ClassifierObservation.h"

#include <QImage>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class NsfwNetwork;

// Screens photos for nudity on the device. The network is nsfwjs's MobileNetV2 classifier,
// converted to ONNX when the client is built (tools/nsfwmodel) and run with OpenCV (in the
// imaging module, media/Imaging.h); it sees the picture as nsfwjs does (stretched to 224 × 224 with
// corner-aligned bilinear sampling, RGB in [0, 1]), so its verdicts are nsfwjs's own. Any thread
// may call it; calls run one at a time and block for a network pass (some tens of milliseconds), so
// the screen calls from a worker.
class NsfwClassifier {
public:
    /// The label whose confidence says whether a photo shows explicit content.
    static inline const QString kNsfwLabel = QStringLiteral("NSFW");
    /// The network's classes in the order of its outputs.
    static const QStringList &classLabels();

    explicit NsfwClassifier(QString modelPath = configuredModelPath());
    ~NsfwClassifier();
    NsfwClassifier(const NsfwClassifier &) = delete;
    NsfwClassifier &operator=(const NsfwClassifier &) = delete;

    /// The file named by ZIREL_NSFW_MODEL, otherwise the one installed beside the client,
    /// otherwise the one the build wrote.
    [[nodiscard]] static QString configuredModelPath();

    /// Reads the model and runs it once on a blank picture: the first pass takes several
    /// times as long as later ones. True when the model is ready; a loaded model stays loaded.
    bool load();
    /// "NSFW" with P(Porn) + P(Hentai) ("Sexy" is not nudity), then the five classes in the
    /// network's order. Nothing when the image is empty, the model cannot be loaded (a failed
    /// load is tried again next time) or the network fails; never a guess. Alpha is ignored, as
    /// nsfwjs ignores it: callers flatten transparent pixels first.
    [[nodiscard]] std::optional<QList<ClassifierObservation>> classify(const QImage &image);
    /// Why the last load or classification failed.
    [[nodiscard]] QString errorString() const;

private:
    bool loadLocked();

    const QString m_modelPath;
    mutable QMutex m_mutex;
    std::unique_ptr<NsfwNetwork> m_network;
    QString m_error;
};
