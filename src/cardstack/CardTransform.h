// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPointF>

// Where a card stands relative to its resting place: moved, turned about its centre (radians,
// clockwise on screen) and scaled about its centre.
struct CardTransform {
    QPointF translation;
    qreal rotation = 0;
    qreal scale = 1;

    [[nodiscard]] static CardTransform interpolate(const CardTransform &from,
                                                   const CardTransform &to, qreal t) {
        return {from.translation + (to.translation - from.translation) * t,
                from.rotation + (to.rotation - from.rotation) * t,
                from.scale + (to.scale - from.scale) * t};
    }
    friend bool operator==(const CardTransform &, const CardTransform &) = default;
};
