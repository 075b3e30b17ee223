// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>
#include <optional>

// Durations of the stack's own animations, in seconds. Empty ones derive from the top card's
// options when the animation starts.
struct CardStackAnimationOptions {
    std::optional<qreal> resetDuration;
    qreal shiftDuration = 0.1;
    std::optional<qreal> swipeDuration;
    std::optional<qreal> undoDuration;
};
