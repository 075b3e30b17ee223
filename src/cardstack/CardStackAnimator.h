// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cardstack/SwipeDirection.h"

#include <QList>
#include <functional>

class SwipeCard;
class SwipeCardStack;

// Moves the cards behind the top one when the stack swipes, undoes, shifts or a drag is
// cancelled. One shared instance serves every stack.
class CardStackAnimator {
public:
    using Completion = std::function<void(bool finished)>;

    /// Brings the cards that remain to their resting scales as the top card is thrown. The
    /// completion always runs, after the computed delay and duration, even with no card left.
    void animateSwipe(SwipeCardStack *stack, const SwipeCard *thrown, SwipeDirection direction,
                      bool forced, bool animated, Completion completion) const;
    void animateUndo(SwipeCardStack *stack, bool animated, Completion completion) const;
    void animateShift(SwipeCardStack *stack, qint64 distance, bool animated,
                      Completion completion) const;
    /// Background cards shrink back after a drag of the top card was cancelled.
    void animateReset(SwipeCardStack *stack) const;
    /// Stops the animations of the cards behind the top one.
    void removeBackgroundCardAnimations(SwipeCardStack *stack) const;
    void removeAllCardAnimations(SwipeCardStack *stack) const;

    /// Timing of the swipe step: the throw's lead-in and the background's duration.
    [[nodiscard]] static qreal swipeDelay(const SwipeCard *thrown, bool forced);
    [[nodiscard]] static qreal swipeDuration(const SwipeCardStack *stack, const SwipeCard *thrown,
                                             SwipeDirection direction, bool forced);

private:
    struct ScaleTarget {
        SwipeCard *card;
        qreal scale;
    };
    /// Scales each card from where it stands to its target in one timed step; the completion
    /// runs once after all of them, or after the delay and duration when there is none.
    void scaleCards(SwipeCardStack *stack, const QList<ScaleTarget> &targets, qreal duration,
                    qreal delay, Completion completion) const;
    [[nodiscard]] static QList<ScaleTarget> restingTargets(SwipeCardStack *stack, qsizetype from);
};
