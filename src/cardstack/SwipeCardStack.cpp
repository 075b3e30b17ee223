// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cardstack/SwipeCardStack.h"

#include "cardstack/CardStackAnimator.h"
#include "cardstack/SwipeCard.h"

#include <QPointer>

SwipeCardStack::SwipeCardStack(QQuickItem *parent)
    : QQuickItem(parent)
    , m_container(new QQuickItem(this)) {}

SwipeCardStack::~SwipeCardStack() {
    // Cards still in flight must not call back into a stack that is going away.
    for (QQuickItem *child : m_container->childItems()) {
        if (auto *card = qobject_cast<SwipeCard *>(child)) {
            card->disconnect(this);
            card->removeAllAnimations();
        }
    }
}

CardStackAnimator &SwipeCardStack::animator() {
    static CardStackAnimator instance;
    return instance;
}

void SwipeCardStack::setCardStackInsets(const QMarginsF &insets) {
    m_insets = insets;
    layoutContainer();
}

void SwipeCardStack::setNumberOfVisibleCards(int count) {
    m_numberOfVisibleCards = qMax(0, count);
}

SwipeCard *SwipeCardStack::topCard() const {
    return m_visibleCards.isEmpty() ? nullptr : m_visibleCards.first().card.data();
}

QList<SwipeCard *> SwipeCardStack::backgroundCards() const {
    QList<SwipeCard *> cards;
    for (qsizetype i = 1; i < m_visibleCards.size(); ++i) {
        if (m_visibleCards[i].card)
            cards.append(m_visibleCards[i].card);
    }
    return cards;
}

void SwipeCardStack::setIsAnimating(bool animating) {
    if (m_isAnimating == animating)
        return;
    m_isAnimating = animating;
    Q_EMIT isAnimatingChanged();
}

void SwipeCardStack::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) {
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    layoutContainer();
}

void SwipeCardStack::layoutContainer() {
    m_container->setPosition({m_insets.left(), m_insets.top()});
    m_container->setSize({width() - m_insets.left() - m_insets.right(),
                          height() - m_insets.top() - m_insets.bottom()});
    for (qsizetype p = 0; p < m_visibleCards.size(); ++p) {
        if (m_visibleCards[p].card)
            layoutCard(m_visibleCards[p].card, p);
    }
}

void SwipeCardStack::layoutCard(SwipeCard *card, qsizetype position) {
    card->setSize(m_container->size());
    card->setCardTransform({{}, 0, position == 0 ? 1.0 : kBackgroundScale});
    card->setUserInteractionEnabled(position == 0);
    if (position == 0)
        card->completeContent();
    // Nearer the top is drawn above; the card being thrown keeps a place above them all.
    card->setZ(-static_cast<qreal>(position));
}

void SwipeCardStack::setCardSource(QObject *context, std::function<qint64()> count,
                                   std::function<SwipeCard *(qint64)> make) {
    m_sourceContext = context;
    m_count = std::move(count);
    m_make = std::move(make);
}

SwipeCard *SwipeCardStack::makeCard(qint64 index) {
    SwipeCard *card = m_make(index);
    if (!card)
        qFatal("The card stack's source gave no card for index %lld",
               static_cast<long long>(index));
    card->setParentItem(m_container);
    connect(card, &SwipeCard::coverChanged, this, &SwipeCardStack::hideCoveredCards);
    connect(card, &SwipeCard::swipeContinued, this, &SwipeCardStack::scaleBackgroundCards);
    connect(card, &SwipeCard::swipeCancelled, this, [this] { animator().animateReset(this); });
    connect(card, &SwipeCard::swiped, this,
            [this](SwipeDirection direction) { swipeTopCard(direction, false, true); });
    connect(card, &SwipeCard::swipeAnimationFinished, this, [this, card] { removeCardView(card); });
    connect(card, &SwipeCard::tapped, this, [this] {
        if (!m_visibleCards.isEmpty())
            Q_EMIT cardSelected(m_visibleCards.first().index);
    });
    QPointer<SwipeCard> guarded(card);
    card->panGestureRecognizer()->setShouldBegin(
        [this, guarded] { return guarded && allowsPan(guarded); });
    return card;
}

bool SwipeCardStack::allowsPan(SwipeCard *card) const {
    const QPointF v = card->panGestureRecognizer()->velocity();
    if (qAbs(v.x()) > qAbs(v.y()))
        return m_horizontalDrag;
    if (qAbs(v.y()) > qAbs(v.x()))
        return m_verticalDrag;
    return true;
}

// The software renderer draws every card under a moving one in full, rounded corners and all,
// so a card that the top card hides entirely is taken out of the scene until it shows again.
void SwipeCardStack::hideCoveredCards() {
    const SwipeCard *top = topCard();
    for (qsizetype p = 0; p < m_visibleCards.size(); ++p) {
        if (SwipeCard *card = m_visibleCards[p].card)
            card->setVisible(p == 0 || !card->contentDrawn() ||
                             !top->hidesCardsBehind(card->cardTransform().scale));
    }
}

void SwipeCardStack::removeCardView(SwipeCard *card) {
    if (!card)
        return;
    card->disconnect(this);
    card->removeAllAnimations();
    card->setParentItem(nullptr);
    card->deleteLater();
}

void SwipeCardStack::reloadVisibleCards() {
    for (const Card &c : std::as_const(m_visibleCards))
        removeCardView(c.card);
    m_visibleCards.clear();
    if (!hasSource())
        return;
    const qsizetype n = qMin<qsizetype>(m_numberOfVisibleCards, m_state.remainingIndices().size());
    for (qsizetype p = 0; p < n; ++p) {
        const qint64 index = m_state.remainingIndices().at(p);
        SwipeCard *card = makeCard(index);
        layoutCard(card, p);
        m_visibleCards.insert(p, {index, card});
    }
    hideCoveredCards();
}

void SwipeCardStack::reloadData() {
    if (!hasSource())
        return;
    m_state.reset(sourceCount());
    reloadVisibleCards();
    setIsAnimating(false);
}

void SwipeCardStack::swipeTopCard(SwipeDirection direction, bool forced, bool animated) {
    if (m_visibleCards.isEmpty())
        return;
    const Card top = m_visibleCards.takeFirst();
    m_state.swipe(direction);
    if (top.card) {
        top.card->setZ(1);
        disconnect(top.card, &SwipeCard::coverChanged, this, &SwipeCardStack::hideCoveredCards);
    }
    // The new top card takes touches at once, before the cards behind finish growing.
    for (qsizetype p = 0; p < m_visibleCards.size(); ++p) {
        if (SwipeCard *card = m_visibleCards[p].card) {
            card->setUserInteractionEnabled(p == 0);
            if (p == 0)
                card->completeContent();
            card->setZ(-static_cast<qreal>(p));
        }
    }
    if (m_visibleCards.size() < m_state.remainingIndices().size() && hasSource()) {
        const qsizetype p = m_visibleCards.size();
        const qint64 index = m_state.remainingIndices().at(p);
        SwipeCard *card = makeCard(index);
        layoutCard(card, p);
        m_visibleCards.append({index, card});
    }
    hideCoveredCards();
    Q_EMIT cardSwiped(top.index, direction);
    if (m_state.remainingIndices().isEmpty()) {
        Q_EMIT allCardsSwiped();
        return;
    }
    setIsAnimating(true);
    QPointer<SwipeCardStack> self(this);
    animator().animateSwipe(this, top.card, direction, forced, animated, [self](bool) {
        if (self)
            self->setIsAnimating(false);
    });
}

void SwipeCardStack::swipe(SwipeDirection direction, bool animated) {
    if (m_isAnimating)
        return;
    SwipeCard *top = topCard();
    if (top && !top->isUserInteractionEnabled())
        return;
    if (top) {
        if (animated)
            top->swipe(direction);
        else
            removeCardView(top);
    }
    swipeTopCard(direction, true, animated);
}

void SwipeCardStack::undoLastSwipe(bool animated) {
    const std::optional<Swipe> undone = m_state.undoSwipe();
    if (!undone)
        return;
    reloadVisibleCards();
    Q_EMIT cardUndone(undone->index, undone->direction);
    if (animated && topCard())
        topCard()->reverseSwipe(undone->direction);
    setIsAnimating(true);
    QPointer<SwipeCardStack> self(this);
    animator().animateUndo(this, animated, [self](bool) {
        if (self)
            self->setIsAnimating(false);
    });
}

void SwipeCardStack::shift(qint64 distance, bool animated) {
    SwipeCard *top = topCard();
    if (m_isAnimating || !top || distance == 0 || !top->isUserInteractionEnabled() ||
        m_visibleCards.size() < 2)
        return;
    m_state.shift(distance);
    reloadVisibleCards();
    setIsAnimating(true);
    QPointer<SwipeCardStack> self(this);
    animator().animateShift(this, distance, animated, [self](bool) {
        if (self)
            self->setIsAnimating(false);
    });
}

void SwipeCardStack::insertCard(qint64 index, qint64 position) {
    if (!hasSource())
        return;
    const qint64 before = m_state.totalCount();
    m_state.insert(index, position);
    CardStackStateManager::checkUpdate(sourceCount(), before, 1, 0);
    reloadVisibleCards();
}

void SwipeCardStack::appendCards(const QList<qint64> &indices) {
    if (!hasSource())
        return;
    const qint64 before = m_state.totalCount();
    for (qint64 index : indices)
        m_state.insert(index, m_state.remainingIndices().size());
    CardStackStateManager::checkUpdate(sourceCount(), before, indices.size(), 0);
    reloadVisibleCards();
}

void SwipeCardStack::deleteCards(const QList<qint64> &indices) {
    if (!hasSource())
        return;
    CardStackStateManager::checkUpdate(sourceCount(), m_state.totalCount(), 0, indices.size());
    m_state.deleteIndices(indices);
    reloadVisibleCards();
}

void SwipeCardStack::deleteCardsAtPositions(const QList<qint64> &positions) {
    if (!hasSource())
        return;
    CardStackStateManager::checkUpdate(sourceCount(), m_state.totalCount(), 0, positions.size());
    m_state.deletePositions(positions);
    reloadVisibleCards();
}

void SwipeCardStack::scaleBackgroundCards() {
    SwipeCard *top = topCard();
    if (!top)
        return;
    const QPointF t = top->panGestureRecognizer()->translation();
    const qreal m = qMin(width(), height());
    if (m <= 0)
        return;
    const qreal pct = qMax(qMin(2 * qAbs(t.x()) / m, 1.0), qMin(2 * qAbs(t.y()) / m, 1.0));
    const QList<SwipeCard *> background = backgroundCards();
    for (qsizetype b = 0; b < background.size(); ++b) {
        const qreal target = b == 0 ? 1.0 : kBackgroundScale;
        CardTransform transform = background[b]->cardTransform();
        transform.scale = pct * target + (1 - pct) * kBackgroundScale;
        background[b]->setCardTransform(transform);
    }
}
