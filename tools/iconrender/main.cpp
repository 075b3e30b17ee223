// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

// Renders the application's SVG icon to the PNG sizes desktops look for in the hicolor theme:
// iconrender ICON.svg OUT_DIR NAME SIZE... writes OUT_DIR/<size>x<size>/apps/NAME.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fputs("usage: iconrender ICON.svg OUT_DIR NAME SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "iconrender: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    for (const QString &sizeText : args.mid(4)) {
        const int size = sizeText.toInt();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        if (size <= 0 || !QDir().mkpath(folder) ||
            !image.save(folder + u'/' + args.at(3) + QStringLiteral(".png"))) {
            std::fprintf(stderr, "iconrender: cannot write size %s\n", qPrintable(sizeText));
            return 1;
        }
    }
    return 0;
}
