// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QtPlugin>
#include <memory>
#include <vector>

// A classifier network read from a file; one pass at a time.
class NsfwNetwork {
public:
    virtual ~NsfwNetwork() = default;
    /// The network's outputs for one planar 1 × 3 × side × side input; empty, with the reason
    /// in error, when the pass fails.
    virtual std::vector<float> run(const std::vector<float> &input, int side, QString *error) = 0;
};

// The photo work that needs OpenCV and libheif: HEIC in and out, the Lanczos shrink and the
// classifier's network. Those libraries (with x265, protobuf, BLAS and their kin) cost every
// start a few tens of milliseconds when linked, yet only photo editing, the nudity check and
// HEIC pictures use them, so they live in a module of their own that is loaded the first time a
// photo needs it.
class Imaging {
public:
    virtual ~Imaging() = default;

    /// A HEIF/HEIC picture as RGBA; null when the bytes are none, or when maxPixels is above
    /// zero and the picture has more.
    virtual QImage decodeHeif(const QByteArray &bytes, qint64 maxPixels) = 0;
    /// The picture as HEIC at the given quality (0 to 1); empty when it cannot be encoded.
    virtual QByteArray encodeHeic(const QImage &image, double quality) = 0;
    /// The picture shrunk to the size with a Lanczos filter, as RGB888.
    virtual QImage resizedLanczos(const QImage &image, QSize size) = 0;
    /// The network in an ONNX file; nothing, with the reason in error, when it cannot be read.
    virtual std::unique_ptr<NsfwNetwork> readNetwork(const QString &path, QString *error) = 0;

    /// The module's codecs, loaded on the first call from beside the client (or from the build
    /// tree); nullptr when the module cannot be loaded, with the reason in error.
    static Imaging *shared(QString *error = nullptr);
};

#define ZirelImaging_iid "app.zirel.Imaging/1"
Q_DECLARE_INTERFACE(Imaging, ZirelImaging_iid)
