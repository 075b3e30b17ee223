#include "QmlHost.h"

#include "CachedImageProvider.h"
#include "SymbolImageProvider.h"
#include "Window.h"

#include <QQuickWindow>

namespace {
const QUrl mainQml(QStringLiteral("qrc:/Zirel/app/Main.qml"));
}

QmlHost::QmlHost(Window &window, Start start) {
    // The module's qmldir is compiled in under qrc:/Zirel; Qt 6.4 does not look there unless
    // told, and would then see only the C++ types of the module.
    m_engine.addImportPath(QStringLiteral("qrc:/"));
    m_engine.addImageProvider(QStringLiteral("symbol"), new SymbolImageProvider);
    m_engine.addImageProvider(QStringLiteral("cache"), new CachedImageProvider);
    m_engine.setInitialProperties({{QStringLiteral("appWindow"), QVariant::fromValue(&window)}});
    if (start == Start::Now) {
        load();
        return;
    }
    // The engine's loader keeps this compilation and hands it to the load of the same
    // address, which waits only for what is left of it.
    m_early.loadUrl(mainQml, QQmlComponent::Asynchronous);
}

void QmlHost::load() {
    if (m_loaded)
        return;
    m_loaded = true;
    m_engine.load(mainQml);
}

QQuickWindow *QmlHost::quickWindow() const {
    const QList<QObject *> roots = m_engine.rootObjects();
    return roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.first());
}
