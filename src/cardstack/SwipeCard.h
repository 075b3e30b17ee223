// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cardstack/CardAnimationOptions.h"
#include "cardstack/CardTransform.h"
#include "cardstack/SwipeView.h"

#include <QHash>
#include <QPointer>

class CardAnimator;
class KeyframeAnimation;

// A draggable card: content and an optional footer, one overlay per direction that fades in
// as the card is dragged that way, tilt and movement under the finger, and the throw, the
// snap-back and the undo animations. Every step is reported to the delegate.
class SwipeCard : public SwipeView {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("cards are created in C++")
public:
    explicit SwipeCard(QQuickItem *parent = nullptr);
    ~SwipeCard() override;

    [[nodiscard]] CardAnimationOptions &animationOptions() { return m_options; }
    [[nodiscard]] const CardAnimationOptions &animationOptions() const { return m_options; }

    [[nodiscard]] QQuickItem *content() const { return m_content; }
    void setContent(QQuickItem *content);
    [[nodiscard]] QQuickItem *footer() const { return m_footer; }
    void setFooter(QQuickItem *footer);
    [[nodiscard]] qreal footerHeight() const { return m_footerHeight; }
    void setFooterHeight(qreal height);

    [[nodiscard]] std::optional<QPointF> internalTouchLocation() const { return m_touchLocation; }
    [[nodiscard]] QQuickItem *overlayContainer() const { return m_overlayContainer; }
    [[nodiscard]] QQuickItem *overlay(SwipeDirection direction) const;
    /// Replaces the overlay of a direction (null clears it); it starts hidden.
    void setOverlay(QQuickItem *overlay, SwipeDirection direction);
    void setOverlays(const QHash<SwipeDirection, QQuickItem *> &overlays);

    /// Programmatic throw, for instance from the like and pass buttons; a drag in progress is
    /// dropped without being judged.
    void swipe(SwipeDirection direction);
    /// Undo: the card comes back from the side it left by.
    void reverseSwipe(SwipeDirection from);
    /// Stops every running animation of the card and its overlays where they stand.
    void removeAllAnimations();
    /// Runs an animation that belongs to this card, so removeAllAnimations can stop it.
    void run(KeyframeAnimation *animation);
    [[nodiscard]] bool isAnimating() const { return !m_animations.isEmpty(); }

    [[nodiscard]] const CardTransform &cardTransform() const { return m_transform; }
    void setCardTransform(const CardTransform &transform);
    /// Duration of the last throw or snap-back that started, in seconds.
    [[nodiscard]] qreal lastAnimationDuration() const { return m_lastDuration; }

    [[nodiscard]] static CardAnimator &animator();

    /// Whether the card hides whatever lies within its resting bounds at up to that scale:
    /// at rest, scaled at least that much, with its content shown.
    [[nodiscard]] bool hidesCardsBehind(qreal scale) const;
    /// The content has been in a rendered frame; until then a card behind the top one is kept
    /// in the scene, so its drawing is made while it is dealt and not when it is first seen.
    [[nodiscard]] bool contentDrawn() const { return m_contentDrawn; }
    /// The card is now the top one, about to be seen whole: content still being built is
    /// finished at once.
    virtual void completeContent() {}

Q_SIGNALS:
    /// The card moved, turned, scaled, or its content was shown or hidden.
    void coverChanged();
    /// The user took hold of the card, moved it, or let it go short of a swipe.
    void swipeBegan();
    void swipeContinued();
    void swipeCancelled();
    /// The user let go of the card far or fast enough; it is now being thrown off.
    void swiped(SwipeDirection direction);
    /// A throw, by hand or by a button, ran to its end.
    void swipeAnimationFinished();
    void tapped();

protected:
    void beginSwiping() override;
    void continueSwiping() override;
    void didSwipe(SwipeDirection direction) override;
    void didCancelSwipe() override;
    void didTap() override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    friend class CardAnimator;
    void layoutParts();
    void applyTransform();
    [[nodiscard]] qreal overlayAlpha(SwipeDirection direction,
                                     std::optional<SwipeDirection> active) const;
    void startThrow(KeyframeAnimation *animation);
    void awaitFirstFrame();

    CardAnimationOptions m_options;
    QPointer<QQuickItem> m_content;
    QPointer<QQuickItem> m_footer;
    qreal m_footerHeight = 100;
    std::optional<QPointF> m_touchLocation;
    QQuickItem *m_overlayContainer;
    QHash<SwipeDirection, QPointer<QQuickItem>> m_overlays;
    QList<QPointer<KeyframeAnimation>> m_animations;
    CardTransform m_transform;
    qreal m_lastDuration = 0;
    bool m_contentDrawn = false;
};
