#include "QmlHost.h"
#include "SceneStart.h"
#include "Window.h"
#include "WindowGeometry.h"

#include <QFont>
#include <QGuiApplication>
#include <QNetworkProxyFactory>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(ZirelPlugin)

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Zirel"));
    QGuiApplication::setFont(QFont(QStringLiteral("Inter")));
    QNetworkProxyFactory::setUseSystemConfiguration(true);

    Window window;
    QmlHost host(window);
    QQuickWindow *quickWindow = host.quickWindow();
    if (!quickWindow)
        return 1;
    SceneStart::connect(window);
    auto *geometry = new WindowGeometry(quickWindow);
    geometry->restore();
    quickWindow->show();
    return QGuiApplication::exec();
}
