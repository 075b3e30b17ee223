// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cardstack/SwipeDirection.h"

class SwipeCard;

// What a card tells its owner (the stack) as a drag or an animation goes on.
class SwipeCardDelegate {
public:
    virtual ~SwipeCardDelegate() = default;
    virtual void cardDidBeginSwipe(SwipeCard *card) = 0;
    virtual void cardDidCancelSwipe(SwipeCard *card) = 0;
    virtual void cardDidContinueSwipe(SwipeCard *card) = 0;
    virtual void cardDidFinishSwipeAnimation(SwipeCard *card) = 0;
    virtual void cardDidSwipe(SwipeCard *card, SwipeDirection direction) = 0;
    virtual void cardDidTap(SwipeCard *card) = 0;
};
