// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

// Draws a stand-in portrait for demo people: a coloured background, a simple figure and the
// initials, encoded as JPEG; 600 × 800 pixels times `scale`.
class PortraitPainter {
public:
    [[nodiscard]] static QByteArray paint(const QString &name, bool woman, quint32 seed,
                                          int scale = 1);
};
