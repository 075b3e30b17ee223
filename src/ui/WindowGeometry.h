// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QRect>
#include <QTimer>

class QQuickWindow;
class QScreen;

// Remembers the window's place and size, and whether it was maximised, between runs and brings
// it back on a screen that still exists, so it never reopens out of reach.
class WindowGeometry : public QObject {
    Q_OBJECT
public:
    explicit WindowGeometry(QQuickWindow *window);

    /// Moves and sizes the window as it was last time, or to a centred default.
    void restore();
    /// Shows the window, maximised when it was maximised last time.
    void show();
    /// Keeps the window's place, size and state for the next run; done when the client quits.
    void save();

    /// The part of a stored rectangle that can be shown on the given screens: resized to fit
    /// the minimum and the largest screen, moved onto the screen it overlaps most.
    [[nodiscard]] static QRect fitted(QRect stored, const QList<QRect> &screens, QSize minimum);

private:
    void noteNormalGeometry();

    QQuickWindow *m_window;
    // The place and size the window goes back to from maximised or full screen: what is kept.
    QRect m_normal;
    // A window being maximised is resized before it says it is maximised; its size is taken as
    // its own only once that has settled.
    QTimer m_settle;
};
