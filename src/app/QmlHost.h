#pragma once

#include <QQmlApplicationEngine>

class QQuickWindow;
class Window;

// Loads the QML that draws the screen tree into a real window.
class QmlHost {
public:
    explicit QmlHost(Window &window);

    /// The on-screen window, or null when the QML failed to load.
    [[nodiscard]] QQuickWindow *quickWindow() const;
    QQmlApplicationEngine &engine() { return m_engine; }

private:
    QQmlApplicationEngine m_engine;
};
