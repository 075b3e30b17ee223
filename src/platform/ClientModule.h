// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <optional>

// The client's modules are libraries holding a feature's heavy dependencies (OpenCV, libheif,
// Qt Multimedia). Linked into the client they would cost every start tens of milliseconds, yet
// only the photo screens use them, so each is loaded the first time its feature needs it and
// kept for the life of the process.

/// The module's object, loaded from lib/zirel/ of the client's prefix, or else, for a program of
/// the build tree, from where the build wrote it; nullptr, with the reason in error, when it
/// cannot be loaded.
QObject *loadClientModule(const QString &fileName, QString *error);

/// Whether a program in `programDir` is one the build in `buildTree` wrote (the client, a test,
/// a benchmark) rather than an installed copy.
[[nodiscard]] bool isInBuildTree(const QString &programDir, const QString &buildTree);

/// The module's interface, loaded once per process whatever the thread; a failure is not retried.
template <typename Interface>
Interface *sharedClientModule(const QString &fileName, QString *error) {
    static QMutex mutex;
    static std::optional<std::pair<Interface *, QString>> loaded;
    const QMutexLocker lock(&mutex);
    if (!loaded) {
        QString reason;
        auto *module = qobject_cast<Interface *>(loadClientModule(fileName, &reason));
        if (!module && reason.isEmpty())
            reason = fileName + QStringLiteral(": not the expected module");
        loaded.emplace(module, reason);
    }
    if (error)
        *error = loaded->second;
    return loaded->first;
}
