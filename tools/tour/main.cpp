// Renders every screen that exists to PNG files, light and dark, for looking at layout.
// Usage: zirel-tour OUT_DIR [NAME_FILTER]

#include "TourStops.h"
#include "app/AppScreens.h"
#include "ui/QmlHost.h"
#include "ui/Window.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(ZirelPlugin)
Q_IMPORT_QML_PLUGIN(ZirelDemoPlugin)

namespace {
bool shoot(const TourStop &stop, const char *appearance, const QDir &out) {
    qputenv("ZIREL_APPEARANCE", appearance);
    Window window;
    QmlHost host(window);
    QQuickWindow *quick = host.quickWindow();
    if (!quick)
        return false;
    quick->resize(1000, 800);
    quick->show();
    window.setRoot(stop.build());
    // Let views load, images arrive and entry animations finish.
    QTest::qWait(900);
    const QString file =
        out.filePath(QStringLiteral("%1-%2.png").arg(stop.name, QLatin1String(appearance)));
    if (!quick->grabWindow().save(file))
        return false;
    std::printf("%s\n", qPrintable(file));
    return true;
}
} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    AppScreens::install();
    QGuiApplication::setApplicationName(QStringLiteral("ZirelTour"));
    QGuiApplication::setFont(QFont(QStringLiteral("Inter")));
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: zirel-tour OUT_DIR [NAME_FILTER]\n");
        return 2;
    }
    QDir out(args.at(1));
    out.mkpath(QStringLiteral("."));
    const QString filter = args.value(2);
    bool ok = true;
    for (const TourStop &stop : tourStops()) {
        if (!filter.isEmpty() && !stop.name.contains(filter))
            continue;
        ok = shoot(stop, "light", out) && ok;
        ok = shoot(stop, "dark", out) && ok;
    }
    return ok ? 0 : 1;
}
