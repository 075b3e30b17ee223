#pragma once

#include <QByteArray>
#include <QString>

// Draws a stand-in portrait for demo people: a coloured background, a simple figure and the
// initials, encoded as JPEG.
class PortraitPainter {
public:
    [[nodiscard]] static QByteArray paint(const QString &name, bool woman, quint32 seed);
};
