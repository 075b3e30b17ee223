// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

// How one card moves: tilt, throw, snap-back and undo timings (seconds; relative values are
// shares of the whole animation).
struct CardAnimationOptions {
    qreal maximumRotationAngle = 0.3141592653589793; // reached when the drag spans the screen
    qreal relativeReverseSwipeOverlayFadeDuration = 0.15;
    qreal relativeSwipeOverlayFadeDuration = 0.15;
    qreal resetSpringDamping = 0.5;
    qreal totalResetDuration = 0.6;
    qreal totalReverseSwipeDuration = 0.25;
    qreal totalSwipeDuration = 0.7;
};
