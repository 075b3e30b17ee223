// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

// Renders every screen that exists to PNG files, light and dark, for looking at layout.
// Usage: zirel-tour [--scale RATIO] [--size WxH] OUT_DIR [NAME_FILTER]; the texts are in the
// desktop's language, so LANGUAGE=en shoots the English screens. With --scale 2 the screens are
// drawn at twice the pixels, as on a high-density display, to see whether every picture and
// symbol is sharp there; --size gives the window's size (1000x800 without it), so the layouts of
// every width can be looked at.

#include "TourStops.h"
#include "TourWindow.h"
#include "app/AppScreens.h"
#include "app/OwnedServices.h"
#include "controls/Theme.h"
#include "platform/AppLanguage.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <algorithm>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(ZirelDemoPlugin)

namespace {
bool shoot(const TourStop &stop, const Services &services, QSize size, const char *appearance,
           const QDir &out) {
    qputenv("ZIREL_APPEARANCE", appearance);
    const TourWindow window(stop, services, size);
    if (!window.quick())
        return false;
    const QString file =
        out.filePath(QStringLiteral("%1-%2.png").arg(stop.name, QLatin1String(appearance)));
    if (!window.quick()->grabWindow().save(file))
        return false;
    std::printf("%s\n", qPrintable(file));
    return true;
}
} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The scale must be known before the application is made: it fixes the screens' density.
    if (argc > 2 && qstrcmp(argv[1], "--scale") == 0) {
        qputenv("QT_SCALE_FACTOR", argv[2]);
        argv[2] = argv[0];
        argc -= 2;
        argv += 2;
    }
    QGuiApplication app(argc, argv);
    AppLanguage::install();
    QGuiApplication::setApplicationName(QStringLiteral("ZirelTour"));
    const OwnedServices owned;
    AppScreens::install(owned.services().screens());
    QGuiApplication::setFont(QFont(Theme::fontFamily()));
    QStringList args = QGuiApplication::arguments();
    QSize size(1000, 800);
    if (args.size() > 2 && args.at(1) == QLatin1String("--size")) {
        const QStringList parts = args.at(2).split(QLatin1Char('x'));
        size = parts.size() == 2 ? QSize(parts.at(0).toInt(), parts.at(1).toInt()) : QSize();
        args.remove(1, 2);
    }
    if (args.size() < 2 || size.width() < 1 || size.height() < 1) {
        std::fprintf(stderr,
                     "usage: zirel-tour [--scale RATIO] [--size WxH] OUT_DIR [NAME_FILTER]\n");
        return 2;
    }
    QDir out(args.at(1));
    out.mkpath(QStringLiteral("."));
    const QString filter = args.value(2);
    bool ok = true;
    for (const TourStop &stop : tourStops()) {
        if (!filter.isEmpty() && !stop.name.contains(filter))
            continue;
        ok = shoot(stop, owned.services(), size, "light", out) && ok;
        ok = shoot(stop, owned.services(), size, "dark", out) && ok;
    }
    return ok ? 0 : 1;
}
