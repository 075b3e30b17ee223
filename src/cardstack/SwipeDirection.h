// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QPointF>
#include <QtGlobal>

// The ways a card can leave the stack. The raw values are stable: they travel as integers.
enum class SwipeDirection { Left = 0, Right = 1, Up = 2, Down = 3 };

namespace SwipeDirections {
/// The unit vector of a direction in screen coordinates (y grows downward).
[[nodiscard]] QPointF vector(SwipeDirection direction);
/// The direction for a raw value; any value outside 0–3 is a programming error and stops.
[[nodiscard]] SwipeDirection fromRaw(int raw);
/// Every direction in the order cards accept them by default; earlier ones win ties.
[[nodiscard]] QList<SwipeDirection> defaultOrder();
} // namespace SwipeDirections
