// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cardstack/CardTransform.h"
#include "cardstack/SwipeDirection.h"

#include <optional>

class KeyframeAnimation;
class SwipeCard;

// The animation steps of a single card: the throw, the snap-back and the return of an undo.
// One shared instance serves every card; it builds the animations, the card runs them.
class CardAnimator {
public:
    /// Where a thrown card ends: far enough off screen whatever its size.
    [[nodiscard]] CardTransform swipeTransform(const SwipeCard *card, SwipeDirection direction,
                                               bool forced) const;
    /// The throw: overlays of other directions hidden at once; a forced throw first fades in
    /// the overlay of its direction, then the card flies off.
    [[nodiscard]] KeyframeAnimation *swipeAnimation(SwipeCard *card, SwipeDirection direction,
                                                    bool forced, qreal duration) const;
    /// Puts the card at the end of a forced throw at once (the start of an undo).
    void applySwipeEnd(SwipeCard *card, SwipeDirection direction, bool forced) const;
    /// The spring back to rest after a drag that was not far or fast enough.
    [[nodiscard]] KeyframeAnimation *resetAnimation(SwipeCard *card,
                                                    std::optional<SwipeDirection> active) const;
    /// Brings an undone card back from the side it left by and fades its overlay out.
    [[nodiscard]] KeyframeAnimation *reverseSwipeAnimation(SwipeCard *card,
                                                           SwipeDirection from) const;
    /// The damped spring's progress at a share s of its run; reaches 1 exactly at s = 1.
    [[nodiscard]] static qreal springCurve(qreal s, qreal damping);

private:
    void addSwipeKeyframes(KeyframeAnimation *animation, SwipeCard *card, SwipeDirection direction,
                           bool forced) const;
};
