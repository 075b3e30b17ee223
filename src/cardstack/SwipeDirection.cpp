// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cardstack/SwipeDirection.h"

namespace SwipeDirections {

QPointF vector(SwipeDirection direction) {
    switch (direction) {
    case SwipeDirection::Left:
        return {-1, 0};
    case SwipeDirection::Right:
        return {1, 0};
    case SwipeDirection::Up:
        return {0, -1};
    case SwipeDirection::Down:
        return {0, 1};
    }
    return {};
}

SwipeDirection fromRaw(int raw) {
    if (raw < 0 || raw > 3)
        qFatal("Invalid swipe direction raw value: %d", raw);
    return static_cast<SwipeDirection>(raw);
}

QList<SwipeDirection> defaultOrder() {
    return {SwipeDirection::Left, SwipeDirection::Up, SwipeDirection::Right, SwipeDirection::Down};
}

} // namespace SwipeDirections
