#pragma once

#include <QObject>
#include <QRect>

class QQuickWindow;
class QScreen;

// Remembers the window's place and size between runs and brings it back on a screen that
// still exists, so it never reopens out of reach.
class WindowGeometry : public QObject {
    Q_OBJECT
public:
    explicit WindowGeometry(QQuickWindow *window);

    /// Moves and sizes the window as it was last time, or to a centred default.
    void restore();

    /// The part of a stored rectangle that can be shown on the given screens: resized to fit
    /// the minimum and the largest screen, moved onto the screen it overlaps most.
    [[nodiscard]] static QRect fitted(QRect stored, const QList<QRect> &screens, QSize minimum);

private:
    void save() const;

    QQuickWindow *m_window;
};
