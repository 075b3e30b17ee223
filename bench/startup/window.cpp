// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

// The yardstick of the start-up benchmark: an empty Qt Quick window with one rectangle that
// reports its first frame as the client does, linked with nothing but Qt Quick. With --text the
// rectangle holds one line of text in the client's font, which brings in the font machinery
// (fontconfig, the font database, a face) that any window with text pays for.
#include "app/FirstFrameProbe.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    QQuickWindow window;
    window.resize(1000, 800);
    QQmlEngine engine;
    QQmlComponent component(&engine);
    const QByteArray text = QCoreApplication::arguments().contains(QStringLiteral("--text"))
                                ? "Text { text: \"zirel Находки\"; font.family: \"Inter\" }"
                                : "";
    component.setData("import QtQuick\nRectangle { color: \"white\"; " + text + " }", QUrl());
    auto *rectangle = qobject_cast<QQuickItem *>(component.create());
    if (!rectangle)
        return 1;
    rectangle->setParentItem(window.contentItem());
    rectangle->setSize(window.size());
    FirstFrameProbe probe(&window, [] { return true; });
    window.show();
    return QGuiApplication::exec();
}
