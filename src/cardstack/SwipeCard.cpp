// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cardstack/SwipeCard.h"

#include "cardstack/CardAnimator.h"
#include "cardstack/KeyframeAnimation.h"

#include <QQuickWindow>
#include <QtMath>

SwipeCard::SwipeCard(QQuickItem *parent)
    : SwipeView(parent)
    , m_overlayContainer(new QQuickItem(this)) {
    m_overlayContainer->setZ(1000);
    setClip(false);
}

SwipeCard::~SwipeCard() {
    removeAllAnimations();
}

CardAnimator &SwipeCard::animator() {
    static CardAnimator instance;
    return instance;
}

void SwipeCard::setContent(QQuickItem *content) {
    if (m_content == content)
        return;
    if (m_content)
        m_content->deleteLater();
    m_content = content;
    if (content) {
        content->setParentItem(this);
        content->setZ(-1000);
        connect(content, &QQuickItem::visibleChanged, this, [this] {
            awaitFirstFrame();
            Q_EMIT coverChanged();
        });
    }
    layoutParts();
    awaitFirstFrame();
    Q_EMIT coverChanged();
}

void SwipeCard::setFooter(QQuickItem *footer) {
    if (m_footer == footer)
        return;
    if (m_footer)
        m_footer->deleteLater();
    m_footer = footer;
    if (footer)
        footer->setParentItem(this);
    layoutParts();
}

void SwipeCard::setFooterHeight(qreal height) {
    m_footerHeight = height;
    layoutParts();
}

QQuickItem *SwipeCard::overlay(SwipeDirection direction) const {
    return m_overlays.value(direction);
}

void SwipeCard::setOverlay(QQuickItem *overlay, SwipeDirection direction) {
    if (QQuickItem *old = m_overlays.value(direction); old && old != overlay)
        old->deleteLater();
    if (!overlay) {
        m_overlays.remove(direction);
        return;
    }
    m_overlays.insert(direction, overlay);
    overlay->setParentItem(m_overlayContainer);
    overlay->setOpacity(0);
    overlay->setPosition({0, 0});
    overlay->setSize(m_overlayContainer->size());
}

void SwipeCard::setOverlays(const QHash<SwipeDirection, QQuickItem *> &overlays) {
    for (auto it = overlays.begin(); it != overlays.end(); ++it)
        setOverlay(it.value(), it.key());
}

void SwipeCard::layoutParts() {
    const qreal w = width();
    const qreal h = height();
    QRectF contentRect(0, 0, w, h);
    QRectF overlayRect(0, 0, w, h);
    if (m_footer) {
        m_footer->setPosition({0, h - m_footerHeight});
        m_footer->setSize({w, m_footerHeight});
        overlayRect.setHeight(h - m_footerHeight);
        if (m_footer->opacity() >= 1.0)
            contentRect.setHeight(h - m_footerHeight);
    }
    if (m_content) {
        m_content->setPosition(contentRect.topLeft());
        m_content->setSize(contentRect.size());
    }
    m_overlayContainer->setPosition(overlayRect.topLeft());
    m_overlayContainer->setSize(overlayRect.size());
    for (const QPointer<QQuickItem> &o : std::as_const(m_overlays)) {
        if (o)
            o->setSize(overlayRect.size());
    }
}

void SwipeCard::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) {
    SwipeView::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        layoutParts();
}

void SwipeCard::setCardTransform(const CardTransform &transform) {
    m_transform = transform;
    applyTransform();
    Q_EMIT coverChanged();
}

void SwipeCard::awaitFirstFrame() {
    if (m_contentDrawn || !m_content || !m_content->isVisible() || !window())
        return;
    QPointer<SwipeCard> self(this);
    connect(
        window(), &QQuickWindow::afterRendering, this,
        [self] {
            if (!self || self->m_contentDrawn)
                return;
            self->m_contentDrawn = true;
            Q_EMIT self->coverChanged();
        },
        static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
}

bool SwipeCard::hidesCardsBehind(qreal scale) const {
    return m_transform.translation.isNull() && m_transform.rotation == 0 &&
           m_transform.scale >= scale && m_content && m_content->isVisible() && opacity() >= 1;
}

void SwipeCard::applyTransform() {
    // The stack pins every card to the container's origin, so the translation is the position.
    setPosition(m_transform.translation);
    setRotation(qRadiansToDegrees(m_transform.rotation));
    setScale(m_transform.scale);
}

void SwipeCard::run(KeyframeAnimation *animation) {
    animation->setParent(this);
    m_animations.append(animation);
    QPointer<SwipeCard> self(this);
    QObject::connect(animation, &QAbstractAnimation::finished, this, [self, animation] {
        if (self)
            self->m_animations.removeAll(animation);
        animation->deleteLater();
    });
    animation->run();
}

void SwipeCard::removeAllAnimations() {
    const auto running = m_animations;
    m_animations.clear();
    for (const QPointer<KeyframeAnimation> &a : running) {
        if (a) {
            a->removeAtEnd();
            a->deleteLater();
        }
    }
}

void SwipeCard::beginSwiping() {
    m_touchLocation = panGestureRecognizer()->location(this);
    Q_EMIT swipeBegan();
    removeAllAnimations();
}

void SwipeCard::continueSwiping() {
    Q_EMIT swipeContinued();
    const QPointF t = panGestureRecognizer()->translation();
    qreal sign = 0;
    if (m_touchLocation)
        sign = m_touchLocation->y() >= height() / 2 ? -1 : 1;
    const qreal angle =
        qMin(t.x() / screenSize().width(), 1.0) * sign * m_options.maximumRotationAngle;
    setCardTransform({t, angle, m_transform.scale});
    const std::optional<SwipeDirection> active = activeDirection();
    for (auto it = m_overlays.begin(); it != m_overlays.end(); ++it) {
        if (it.value())
            it.value()->setOpacity(overlayAlpha(it.key(), active));
    }
}

qreal SwipeCard::overlayAlpha(SwipeDirection direction,
                              std::optional<SwipeDirection> active) const {
    if (!active || *active != direction)
        return 0;
    qreal total = 0;
    for (SwipeDirection d : swipeDirections())
        total += dragPercentage(d);
    return qBound<qreal>(0, 2 * dragPercentage(direction) - total, 1);
}

void SwipeCard::didSwipe(SwipeDirection direction) {
    Q_EMIT swiped(direction);
    setUserInteractionEnabled(false);
    removeAllAnimations();
    const qreal r = dragSpeed(direction) / minimumSwipeSpeed(direction);
    const qreal duration = r >= 1 ? 1 / r : m_options.totalSwipeDuration;
    startThrow(animator().swipeAnimation(this, direction, false, duration));
}

void SwipeCard::swipe(SwipeDirection direction) {
    // The press wins over a drag still held: it is the user's latest and explicit choice, while
    // the drag is no decision until it is let go. The card leaves in the press's direction from
    // where the hand holds it, and the drag is dropped unjudged, so only this card is swiped.
    setUserInteractionEnabled(false);
    removeAllAnimations();
    startThrow(animator().swipeAnimation(this, direction, true, m_options.totalSwipeDuration));
}

void SwipeCard::startThrow(KeyframeAnimation *animation) {
    m_lastDuration = animation->durationSeconds();
    QPointer<SwipeCard> self(this);
    animation->setCompletion([self](bool finished) {
        if (self && finished)
            Q_EMIT self->swipeAnimationFinished();
    });
    run(animation);
}

void SwipeCard::didCancelSwipe() {
    Q_EMIT swipeCancelled();
    removeAllAnimations();
    KeyframeAnimation *animation = animator().resetAnimation(this, activeDirection());
    m_lastDuration = animation->durationSeconds();
    run(animation);
}

void SwipeCard::reverseSwipe(SwipeDirection from) {
    setUserInteractionEnabled(false);
    removeAllAnimations();
    animator().applySwipeEnd(this, from, true);
    KeyframeAnimation *animation = animator().reverseSwipeAnimation(this, from);
    QPointer<SwipeCard> self(this);
    animation->setCompletion([self](bool finished) {
        if (self && finished)
            self->setUserInteractionEnabled(true);
    });
    run(animation);
}

void SwipeCard::didTap() {
    m_touchLocation = tapGestureRecognizer()->location(this);
    Q_EMIT tapped();
}
