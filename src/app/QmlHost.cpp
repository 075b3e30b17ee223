#include "QmlHost.h"

#include "CachedImageProvider.h"
#include "SymbolImageProvider.h"
#include "Window.h"

#include <QQuickWindow>

QmlHost::QmlHost(Window &window) {
    // The module's qmldir is compiled in under qrc:/Zirel; Qt 6.4 does not look there unless
    // told, and would then see only the C++ types of the module.
    m_engine.addImportPath(QStringLiteral("qrc:/"));
    m_engine.addImageProvider(QStringLiteral("symbol"), new SymbolImageProvider);
    m_engine.addImageProvider(QStringLiteral("cache"), new CachedImageProvider);
    m_engine.setInitialProperties({{QStringLiteral("appWindow"), QVariant::fromValue(&window)}});
    m_engine.load(QUrl(QStringLiteral("qrc:/Zirel/app/Main.qml")));
}

QQuickWindow *QmlHost::quickWindow() const {
    const QList<QObject *> roots = m_engine.rootObjects();
    return roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.first());
}
