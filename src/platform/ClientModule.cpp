// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/ClientModule.h"

#include "BuildConfigValues.h"
#include "platform/DiagnosticLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

bool isInBuildTree(const QString &programDir, const QString &buildTree) {
    const QString program = QDir(programDir).canonicalPath();
    const QString tree = QDir(buildTree).canonicalPath();
    return !program.isEmpty() && !tree.isEmpty() &&
           (program == tree || program.startsWith(tree + QLatin1Char('/')));
}

QObject *loadClientModule(const QString &fileName, QString *error) {
    // An installed client keeps its modules in its own prefix, wherever that was unpacked, and
    // looks nowhere else: the folder a build wrote them to need not exist where the client runs,
    // and whoever could make it there would have the client run their code. Programs of the
    // build tree deeper than its top find them where the build wrote them.
    const QString name = QLatin1Char('/') + fileName;
    const QString programDir = QCoreApplication::applicationDirPath();
    QString path = programDir + QStringLiteral("/../lib/zirel") + name;
    if (!QFileInfo(path).isFile() && isInBuildTree(programDir, QStringLiteral(ZIREL_BUILD_TREE)))
        path = QStringLiteral(ZIREL_BUILD_PLUGIN_DIR) + name;
    QPluginLoader loader(path);
    if (QObject *module = loader.instance()) {
        qCDebug(lcModules).noquote() << "loaded" << QFileInfo(path).canonicalFilePath();
        error->clear();
        return module;
    }
    *error = fileName + QStringLiteral(": ") + loader.errorString();
    qCWarning(lcModules).noquote() << *error;
    return nullptr;
}
