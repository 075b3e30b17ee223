// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/FileLocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Moved files keep the owner-only permissions everything new gets; the old versions wrote
// some of them readable by everyone.
void keepToOwner(const QString &path) {
    const QFileDevice::Permissions owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (!QFileInfo(path).isDir()) {
        QFile::setPermissions(path, owner);
        return;
    }
    QFile::setPermissions(path, owner | QFileDevice::ExeOwner);
    QDirIterator inside(path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
    while (inside.hasNext()) {
        const QString entry = inside.next();
        QFile::setPermissions(entry,
                              inside.fileInfo().isDir() ? owner | QFileDevice::ExeOwner : owner);
    }
}

void move(const QString &from, const QString &to) {
    if (!QFileInfo::exists(from) || QFileInfo::exists(to))
        return;
    QDir().mkpath(QFileInfo(to).absolutePath());
    if (QDir().rename(from, to))
        keepToOwner(to);
}

// Moves every entry of the old folder into the new one. The new folder may lie inside the old
// one (the organisation and the application share a name), so it is left where it is.
void moveEntries(const QString &oldFolder, const QString &newFolder) {
    const QDir old(oldFolder);
    if (!old.exists() || QDir::cleanPath(oldFolder) == QDir::cleanPath(newFolder))
        return;
    const QString inside = old.relativeFilePath(newFolder).section(u'/', 0, 0);
    for (const QString &entry :
         old.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (entry != inside)
            move(old.filePath(entry), QDir(newFolder).filePath(entry));
    }
}

} // namespace

void FileLocations::settle(const QString &name) {
    const Places places{
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation),
    };
    QCoreApplication::setOrganizationName(name);
    QCoreApplication::setApplicationName(name);
    moveOldFiles(places, name, name);
}

void FileLocations::moveOldFiles(const Places &places, const QString &organisation,
                                 const QString &application) {
    const QString conf = application + QStringLiteral(".conf");
    const QString unknown = QDir(places.config).filePath(QStringLiteral("Unknown Organization"));
    move(QDir(unknown).filePath(conf), QDir(places.config).filePath(organisation + u'/' + conf));
    QDir().rmdir(unknown); // only when nothing else lives there
    for (const QString &root : {places.data, places.cache})
        moveEntries(QDir(root).filePath(application),
                    QDir(root).filePath(organisation + u'/' + application));
}
