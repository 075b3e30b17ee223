#include "Fixtures.h"

#include <QFile>
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

} // namespace Fixtures
