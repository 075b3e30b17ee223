// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "Fixtures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Fixtures {

QByteArray bytes(const QString &name) {
    QFile file(QStringLiteral(ZIREL_FIXTURES_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Missing fixture %s", qPrintable(file.fileName()));
    return file.readAll();
}

QJsonValue json(const QString &name) {
    const QJsonDocument document = QJsonDocument::fromJson(bytes(name));
    if (document.isNull())
        qFatal("Fixture %s is not JSON", qPrintable(name));
    return document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array());
}

QByteArray png(QSize size, QColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace Fixtures

bool Fixtures::writeFile(const QString &path, const QByteArray &text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}
