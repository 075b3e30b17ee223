// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/QmlHost.h"

#include "controls/KeyboardUse.h"
#include "controls/SymbolImageProvider.h"
#include "media/CachedImageProvider.h"
#include "ui/Services.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <QQuickWindow>

namespace {
const QUrl mainQml(QStringLiteral("qrc:/Zirel/Ui/ui/Main.qml"));
}

QmlHost::QmlHost(Window &window, const Services &services, Start start)
    : m_window(window) {
    // A screen frames the control it opens on by the input that came before it opened.
    new KeyboardUse(&m_engine);
    // The modules' qmldirs are compiled in under qrc:/Zirel; Qt 6.4 does not look there unless
    // told, and would then see only the C++ types of the modules.
    m_engine.addImportPath(QStringLiteral("qrc:/"));
    m_engine.addImageProvider(QStringLiteral("symbol"), new SymbolImageProvider);
    m_engine.addImageProvider(QStringLiteral("cache"), new CachedImageProvider(services.images()));
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
    // The window's own QML first: views queued on the loader thread before it is done would
    // only hold it up.
    const QQmlComponent windowQml(&m_engine, mainQml);
    // The screens' views are built from inside the window's creation, which would stop to wait
    // for each one's compiling; queued now, they compile while the window is being made.
    for (const QUrl &view : viewSourcesOnShow(m_window.root()))
        m_viewCompiles.push_back(
            std::make_unique<QQmlComponent>(&m_engine, view, QQmlComponent::Asynchronous));
    m_engine.load(mainQml);
}

QList<QUrl> QmlHost::viewSourcesOnShow(const ViewController *root) {
    QList<QUrl> sources;
    for (const ViewController *vc = root; vc; vc = vc->visibleChild()) {
        if (!vc->viewSource().isEmpty())
            sources.append(vc->viewSource());
        sources.append(vc->partViewSources());
    }
    return sources;
}

QQuickWindow *QmlHost::quickWindow() const {
    const QList<QObject *> roots = m_engine.rootObjects();
    return roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.first());
}
