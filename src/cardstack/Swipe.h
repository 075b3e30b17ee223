// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cardstack/SwipeDirection.h"

// One entry of a stack's swipe history: which data-source item left, and which way.
struct Swipe {
    qint64 index = 0;
    SwipeDirection direction = SwipeDirection::Left;

    friend bool operator==(const Swipe &, const Swipe &) = default;
};
