// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cardstack/CardAnimator.h"

#include "cardstack/KeyframeAnimation.h"
#include "cardstack/SwipeCard.h"

#include <QPointer>
#include <QScreen>
#include <cmath>
#include <memory>

namespace {
// Fades one overlay from wherever it stands to the target opacity.
KeyframeAnimation::Keyframe fade(QQuickItem *overlay, qreal start, qreal length, qreal target) {
    auto from = std::make_shared<qreal>(0);
    QPointer<QQuickItem> guarded(overlay);
    return {start,
            length,
            [guarded, from] { *from = guarded ? guarded->opacity() : 0; },
            [guarded, from, target](qreal t) {
                if (guarded)
                    guarded->setOpacity(*from + (target - *from) * t);
            },
            {}};
}

KeyframeAnimation::Keyframe moveTo(SwipeCard *card, qreal start, qreal length,
                                   const CardTransform &target,
                                   std::function<qreal(qreal)> curve = {}) {
    auto from = std::make_shared<CardTransform>();
    return {start, length, [card, from] { *from = card->cardTransform(); },
            [card, from, target](qreal t) {
                card->setCardTransform(CardTransform::interpolate(*from, target, t));
            },
            std::move(curve)};
}
} // namespace

CardTransform CardAnimator::swipeTransform(const SwipeCard *card, SwipeDirection direction,
                                           bool forced) const {
    QPointF u = SwipeDirections::vector(direction);
    if (!forced) {
        const QPointF t = card->panGestureRecognizer()->translation();
        const qreal length = std::hypot(t.x(), t.y());
        if (length > 0)
            u = t / length;
    }
    const QSizeF screen = SwipeView::screenSize();
    const qreal distance =
        qMax(screen.width(), screen.height()) + std::hypot(card->width(), card->height());
    const qreal maxAngle = card->animationOptions().maximumRotationAngle;
    qreal rotation = 0;
    if (direction == SwipeDirection::Left || direction == SwipeDirection::Right) {
        const std::optional<QPointF> touch = card->internalTouchLocation();
        if (forced || !touch) {
            rotation = 2 * maxAngle * (direction == SwipeDirection::Right ? 1 : -1);
        } else {
            const bool lowerHalf = touch->y() >= card->height() / 2;
            const bool turnsBack = (direction == SwipeDirection::Left) != lowerHalf;
            rotation = 2 * maxAngle * (turnsBack ? -1 : 1);
        }
    }
    return {u * distance, rotation, card->cardTransform().scale};
}

void CardAnimator::addSwipeKeyframes(KeyframeAnimation *animation, SwipeCard *card,
                                     SwipeDirection direction, bool forced) const {
    for (auto d : SwipeDirections::defaultOrder()) {
        if (d != direction && card->overlay(d))
            card->overlay(d)->setOpacity(0);
    }
    QQuickItem *own = card->overlay(direction);
    const qreal f = forced && own ? card->animationOptions().relativeSwipeOverlayFadeDuration : 0;
    if (own)
        animation->addKeyframe(fade(own, 0, f, 1));
    animation->addKeyframe(moveTo(card, f, 1 - f, swipeTransform(card, direction, forced)));
}

KeyframeAnimation *CardAnimator::swipeAnimation(SwipeCard *card, SwipeDirection direction,
                                                bool forced, qreal duration) const {
    auto *animation = new KeyframeAnimation(duration, 0);
    addSwipeKeyframes(animation, card, direction, forced);
    return animation;
}

void CardAnimator::applySwipeEnd(SwipeCard *card, SwipeDirection direction, bool forced) const {
    KeyframeAnimation immediate(0, 0);
    addSwipeKeyframes(&immediate, card, direction, forced);
    immediate.run();
}

KeyframeAnimation *CardAnimator::resetAnimation(SwipeCard *card,
                                                std::optional<SwipeDirection> active) const {
    const CardAnimationOptions &options = card->animationOptions();
    auto *animation = new KeyframeAnimation(options.totalResetDuration, 0);
    const qreal damping = options.resetSpringDamping;
    auto spring = [damping](qreal s) { return springCurve(s, damping); };
    const CardTransform rest{{}, 0, card->cardTransform().scale};
    animation->addKeyframe(moveTo(card, 0, 1, rest, spring));
    if (active) {
        if (QQuickItem *overlay = card->overlay(*active)) {
            KeyframeAnimation::Keyframe k = fade(overlay, 0, 1, 0);
            k.curve = spring;
            animation->addKeyframe(std::move(k));
        }
    }
    return animation;
}

KeyframeAnimation *CardAnimator::reverseSwipeAnimation(SwipeCard *card, SwipeDirection from) const {
    const CardAnimationOptions &options = card->animationOptions();
    auto *animation = new KeyframeAnimation(options.totalReverseSwipeDuration, 0);
    QQuickItem *own = card->overlay(from);
    const qreal f = own ? options.relativeReverseSwipeOverlayFadeDuration : 0;
    for (auto d : SwipeDirections::defaultOrder()) {
        if (QQuickItem *o = card->overlay(d))
            o->setOpacity(d == from ? 1 : 0);
    }
    animation->addKeyframe(moveTo(card, 0, 1 - f, {{}, 0, card->cardTransform().scale}));
    if (own)
        animation->addKeyframe(fade(own, 1 - f, f, 0));
    return animation;
}

qreal CardAnimator::springCurve(qreal s, qreal damping) {
    if (s >= 1)
        return 1;
    const qreal zeta = qBound<qreal>(0.01, damping, 0.99);
    // The natural frequency is chosen so the swing has died down to 0.1 % by the end of the run.
    const qreal omega = std::log(1000.0) / zeta;
    const qreal omegaD = omega * std::sqrt(1 - zeta * zeta);
    const qreal envelope = std::exp(-zeta * omega * s);
    return 1 - envelope * (std::cos(omegaD * s) + zeta * omega / omegaD * std::sin(omegaD * s));
}
