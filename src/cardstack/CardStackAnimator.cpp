// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cardstack/CardStackAnimator.h"

#include "cardstack/KeyframeAnimation.h"
#include "cardstack/SwipeCard.h"
#include "cardstack/SwipeCardStack.h"

#include <QTimer>
#include <cmath>
#include <memory>

namespace {
qreal restingScale(qsizetype position) {
    return position == 0 ? 1.0 : SwipeCardStack::kBackgroundScale;
}

void setScale(SwipeCard *card, qreal scale) {
    CardTransform t = card->cardTransform();
    t.scale = scale;
    card->setCardTransform(t);
}

int milliseconds(qreal seconds) {
    return static_cast<int>(std::lround(seconds * 1000));
}
} // namespace

qreal CardStackAnimator::swipeDelay(const SwipeCard *thrown, bool forced) {
    if (!forced || !thrown)
        return 0;
    const CardAnimationOptions &o = thrown->animationOptions();
    return o.totalSwipeDuration * o.relativeSwipeOverlayFadeDuration;
}

qreal CardStackAnimator::swipeDuration(const SwipeCardStack *stack, const SwipeCard *thrown,
                                       SwipeDirection direction, bool forced) {
    if (const std::optional<qreal> set = stack->animationOptions().swipeDuration)
        return *set;
    if (!forced && thrown) {
        const qreal r = thrown->dragSpeed(direction) / thrown->minimumSwipeSpeed(direction);
        if (r >= 1)
            return 1 / (2 * r);
    }
    return (thrown ? thrown->animationOptions() : CardAnimationOptions{}).totalSwipeDuration * 0.5;
}

void CardStackAnimator::removeBackgroundCardAnimations(SwipeCardStack *stack) const {
    for (SwipeCard *card : stack->backgroundCards())
        card->removeAllAnimations();
}

void CardStackAnimator::removeAllCardAnimations(SwipeCardStack *stack) const {
    for (const Card &c : stack->visibleCards()) {
        if (c.card)
            c.card->removeAllAnimations();
    }
}

QList<CardStackAnimator::ScaleTarget> CardStackAnimator::restingTargets(SwipeCardStack *stack,
                                                                        qsizetype from) {
    QList<ScaleTarget> targets;
    const QList<Card> &cards = stack->visibleCards();
    for (qsizetype p = from; p < cards.size(); ++p) {
        if (cards[p].card)
            targets.append({cards[p].card, restingScale(p)});
    }
    return targets;
}

void CardStackAnimator::scaleCards(SwipeCardStack *stack, const QList<ScaleTarget> &targets,
                                   qreal duration, qreal delay, Completion completion) const {
    if (targets.isEmpty()) {
        if (completion)
            QTimer::singleShot(milliseconds(delay + duration), stack,
                               [completion] { completion(true); });
        return;
    }
    struct Group {
        qsizetype pending;
        bool allFinished;
        Completion completion;
    };
    auto group = std::make_shared<Group>(Group{targets.size(), true, std::move(completion)});
    for (const ScaleTarget &target : targets) {
        SwipeCard *card = target.card;
        const qreal to = target.scale;
        auto from = std::make_shared<qreal>(1);
        auto *animation = new KeyframeAnimation(duration, delay);
        animation->addKeyframe(
            {0,
             1,
             [card, from] { *from = card->cardTransform().scale; },
             [card, from, to](qreal t) { setScale(card, *from + (to - *from) * t); },
             {}});
        animation->setCompletion([group](bool finished) {
            group->allFinished = group->allFinished && finished;
            if (--group->pending == 0 && group->completion)
                group->completion(group->allFinished);
        });
        card->run(animation);
    }
}

void CardStackAnimator::animateSwipe(SwipeCardStack *stack, const SwipeCard *thrown,
                                     SwipeDirection direction, bool forced, bool animated,
                                     Completion completion) const {
    removeBackgroundCardAnimations(stack);
    if (!animated) {
        for (const ScaleTarget &t : restingTargets(stack, 1))
            setScale(t.card, t.scale);
        completion(true);
        return;
    }
    scaleCards(stack, restingTargets(stack, 0), swipeDuration(stack, thrown, direction, forced),
               swipeDelay(thrown, forced), std::move(completion));
}

void CardStackAnimator::animateUndo(SwipeCardStack *stack, bool animated,
                                    Completion completion) const {
    removeBackgroundCardAnimations(stack);
    const QList<ScaleTarget> background = restingTargets(stack, 1);
    if (!animated) {
        for (const ScaleTarget &t : background)
            setScale(t.card, t.scale);
        completion(true);
        return;
    }
    // The cards behind stood one place further forward before the undo.
    for (qsizetype b = 0; b < background.size(); ++b)
        setScale(background[b].card, restingScale(b));
    SwipeCard *top = stack->topCard();
    const qreal duration = stack->animationOptions().undoDuration.value_or(
        (top ? top->animationOptions() : CardAnimationOptions{}).totalReverseSwipeDuration * 0.5);
    scaleCards(stack, background, duration, 0, std::move(completion));
}

void CardStackAnimator::animateShift(SwipeCardStack *stack, qint64 distance, bool animated,
                                     Completion completion) const {
    removeAllCardAnimations(stack);
    const QList<ScaleTarget> targets = restingTargets(stack, 0);
    if (!animated) {
        for (const ScaleTarget &t : targets)
            setScale(t.card, t.scale);
        completion(true);
        return;
    }
    for (qsizetype p = 0; p < targets.size(); ++p)
        setScale(targets[p].card, restingScale(p + distance));
    scaleCards(stack, targets, stack->animationOptions().shiftDuration, 0, std::move(completion));
}

void CardStackAnimator::animateReset(SwipeCardStack *stack) const {
    removeBackgroundCardAnimations(stack);
    SwipeCard *top = stack->topCard();
    const qreal duration = stack->animationOptions().resetDuration.value_or(
        (top ? top->animationOptions() : CardAnimationOptions{}).totalResetDuration * 0.5);
    QList<ScaleTarget> targets = restingTargets(stack, 1);
    for (ScaleTarget &t : targets)
        t.scale = SwipeCardStack::kBackgroundScale;
    scaleCards(stack, targets, duration, 0, {});
}
