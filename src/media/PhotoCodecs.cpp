#include "media/PhotoCodecs.h"

#include "BuildConfigValues.h"
#include "platform/DiagnosticLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <QPluginLoader>

namespace {

struct Loaded {
    PhotoCodecs *codecs = nullptr;
    QString error;
};

Loaded load() {
    // An installed client keeps the module in its own prefix, wherever that was unpacked; a
    // program of the build tree finds it where the build wrote it.
    const QString name = QStringLiteral("/libzirelphotocodecs.so");
    QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/zirel") + name;
    if (!QFileInfo(path).isFile())
        path = QStringLiteral(ZIREL_BUILD_PLUGIN_DIR) + name;
    QPluginLoader loader(path);
    // Kept for the life of the process: the codecs are the module's own object.
    auto *codecs = qobject_cast<PhotoCodecs *>(loader.instance());
    if (codecs)
        return {codecs, {}};
    const QString error = QStringLiteral("photo codecs: ") + loader.errorString();
    qCWarning(lcMedia).noquote() << error;
    return {nullptr, error};
}

} // namespace

PhotoCodecs *PhotoCodecs::shared(QString *error) {
    static QMutex mutex;
    static std::optional<Loaded> loaded;
    const QMutexLocker lock(&mutex);
    if (!loaded)
        loaded = load();
    if (error)
        *error = loaded->error;
    return loaded->codecs;
}
