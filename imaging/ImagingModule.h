// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "media/Imaging.h"

#include <QObject>

// The module the client loads for its photo work.
class ImagingModule : public QObject, public Imaging {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZirelImaging_iid)
    Q_INTERFACES(Imaging)
public:
    QImage decodeHeif(const QByteArray &bytes, qint64 maxPixels) override;
    QByteArray encodeHeic(const QImage &image, double quality) override;
    QImage resizedLanczos(const QImage &image, QSize size) override;
    std::unique_ptr<NsfwNetwork> readNetwork(const QString &path, QString *error) override;
};
