// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

class SwipeCard;
class SwipeCardStack;

// Supplies a stack with its cards.
class SwipeCardStackDataSource {
public:
    virtual ~SwipeCardStackDataSource() = default;
    [[nodiscard]] virtual qint64 numberOfCards(SwipeCardStack *stack) = 0;
    /// A new card for the item at index; the stack takes ownership.
    [[nodiscard]] virtual SwipeCard *cardForIndex(SwipeCardStack *stack, qint64 index) = 0;
};
