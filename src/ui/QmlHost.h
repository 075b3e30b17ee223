// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <memory>
#include <vector>

class QQuickWindow;
class Services;
class ViewController;
class Window;

// Loads the QML that draws the screen tree into a real window.
class QmlHost {
public:
    /// Later only starts compiling the window's QML on the engine's loader thread; load()
    /// then builds it, so the caller's own start-up work runs while the QML types load.
    enum class Start { Now, Later };

    /// The photos the QML shows come through `services`' image cache, which outlives the host.
    QmlHost(Window &window, const Services &services, Start start = Start::Now);

    /// Builds the window from its QML, waiting for the compiling still under way. Once.
    void load();
    /// The on-screen window, or null when the QML failed to load or was not built yet.
    [[nodiscard]] QQuickWindow *quickWindow() const;
    QQmlApplicationEngine &engine() { return m_engine; }

    /// The QML files that the screens on show under a root draw with, outermost first.
    [[nodiscard]] static QList<QUrl> viewSourcesOnShow(const ViewController *root);

private:
    Window &m_window;
    QQmlApplicationEngine m_engine;
    QQmlComponent m_early{&m_engine};
    std::vector<std::unique_ptr<QQmlComponent>> m_viewCompiles;
    bool m_loaded = false;
};
