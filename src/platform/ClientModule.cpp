#include "platform/ClientModule.h"

#include "BuildConfigValues.h"
#include "platform/DiagnosticLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPluginLoader>

QObject *loadClientModule(const QString &fileName, QString *error) {
    // An installed client keeps its modules in its own prefix, wherever that was unpacked; a
    // program of the build tree finds them where the build wrote them.
    const QString name = QLatin1Char('/') + fileName;
    QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/zirel") + name;
    if (!QFileInfo(path).isFile())
        path = QStringLiteral(ZIREL_BUILD_PLUGIN_DIR) + name;
    QPluginLoader loader(path);
    if (QObject *module = loader.instance()) {
        error->clear();
        return module;
    }
    *error = fileName + QStringLiteral(": ") + loader.errorString();
    qCWarning(lcMedia).noquote() << *error;
    return nullptr;
}
