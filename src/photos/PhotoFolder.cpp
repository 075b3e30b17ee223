// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "photos/PhotoFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString kKey = QStringLiteral("lastPhotoFolder");

bool isFolder(const QString &path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}
} // namespace

namespace PhotoFolder {

QString opening(const QString &lastUsed, const QString &pictures, const QString &home) {
    if (isFolder(lastUsed))
        return lastUsed;
    if (isFolder(pictures))
        return pictures;
    return home;
}

QUrl forDialog(const QSettings &defaults) {
    return QUrl::fromLocalFile(opening(
        defaults.value(kKey).toString(),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), QDir::homePath()));
}

void remember(QSettings &defaults, const QUrl &pickedFile) {
    if (pickedFile.isLocalFile())
        defaults.setValue(kKey, QFileInfo(pickedFile.toLocalFile()).absolutePath());
}

} // namespace PhotoFolder
