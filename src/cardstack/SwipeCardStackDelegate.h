// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cardstack/SwipeDirection.h"

class SwipeCardStack;

// What a stack tells its owner. Every call is optional: the defaults do nothing.
class SwipeCardStackDelegate {
public:
    virtual ~SwipeCardStackDelegate() = default;
    virtual void didSwipeCardAt(SwipeCardStack *, qint64 /*index*/, SwipeDirection) {}
    virtual void didUndoCardAt(SwipeCardStack *, qint64 /*index*/, SwipeDirection /*from*/) {}
    virtual void didSelectCardAt(SwipeCardStack *, qint64 /*index*/) {}
    virtual void didSwipeAllCards(SwipeCardStack *) {}
};
