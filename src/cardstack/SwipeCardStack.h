// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cardstack/Card.h"
#include "cardstack/CardStackAnimationOptions.h"
#include "cardstack/CardStackStateManager.h"

#include <QMarginsF>
#include <QPointer>
#include <QQuickItem>
#include <functional>

class CardStackAnimator;

// Deals cards from its source, shows the top few on top of each other, lets the user drag the
// top one and reports what happened in its signals. Order and history live in the state manager;
// the cards behind the top one are moved by the shared stack animator.
class SwipeCardStack : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool isAnimating READ isAnimating NOTIFY isAnimatingChanged)
    Q_PROPERTY(int numberOfVisibleCards READ numberOfVisibleCards WRITE setNumberOfVisibleCards)
public:
    static constexpr qreal kBackgroundScale = 0.95;

    explicit SwipeCardStack(QQuickItem *parent = nullptr);
    ~SwipeCardStack() override;

    CardStackAnimationOptions &animationOptions() { return m_animationOptions; }
    const CardStackAnimationOptions &animationOptions() const { return m_animationOptions; }
    /// Which drags of the top card may start, judged by their first movement.
    void setShouldRecognizeHorizontalDrag(bool allowed) { m_horizontalDrag = allowed; }
    void setShouldRecognizeVerticalDrag(bool allowed) { m_verticalDrag = allowed; }

    /// Where the cards come from: how many there are, and a new card for an index, which the
    /// stack then owns. Neither is called once the context is gone.
    void setCardSource(QObject *context, std::function<qint64()> count,
                       std::function<SwipeCard *(qint64)> make);

    [[nodiscard]] QMarginsF cardStackInsets() const { return m_insets; }
    void setCardStackInsets(const QMarginsF &insets);
    [[nodiscard]] int numberOfVisibleCards() const { return m_numberOfVisibleCards; }
    void setNumberOfVisibleCards(int count);

    [[nodiscard]] const QList<Card> &visibleCards() const { return m_visibleCards; }
    [[nodiscard]] SwipeCard *topCard() const;
    [[nodiscard]] QList<SwipeCard *> backgroundCards() const;
    [[nodiscard]] bool isAnimating() const { return m_isAnimating; }
    [[nodiscard]] QQuickItem *cardContainer() const { return m_container; }
    [[nodiscard]] const CardStackStateManager &stateManager() const { return m_state; }
    [[nodiscard]] static CardStackAnimator &animator();

    Q_INVOKABLE void reloadData();
    Q_INVOKABLE void swipe(int direction, bool animated) {
        swipe(SwipeDirections::fromRaw(direction), animated);
    }
    void swipe(SwipeDirection direction, bool animated);
    Q_INVOKABLE void undoLastSwipe(bool animated);
    Q_INVOKABLE void shift(qint64 distance, bool animated);
    void insertCard(qint64 index, qint64 position);
    void appendCards(const QList<qint64> &indices);
    void deleteCards(const QList<qint64> &indices);
    void deleteCardsAtPositions(const QList<qint64> &positions);

    [[nodiscard]] std::optional<qint64> positionOfIndex(qint64 index) const {
        return m_state.positionOfIndex(index);
    }
    [[nodiscard]] QList<qint64> swipedIndices() const { return m_state.swipedIndices(); }

    /// Lays a card out at a stack position: full size and interactive on top, smaller behind.
    void layoutCard(SwipeCard *card, qsizetype position);
    /// Scales the cards behind the top one as it is dragged away.
    void scaleBackgroundCards();
    void setIsAnimating(bool animating);

Q_SIGNALS:
    void isAnimatingChanged();
    /// The card of the index left the stack, by hand or by a call.
    void cardSwiped(qint64 index, SwipeDirection direction);
    /// The card of the index came back to the top, from where it had left.
    void cardUndone(qint64 index, SwipeDirection from);
    /// The top card was tapped.
    void cardSelected(qint64 index);
    /// The last card left.
    void allCardsSwiped();

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    [[nodiscard]] bool hasSource() const { return m_sourceContext && m_count && m_make; }
    [[nodiscard]] qint64 sourceCount() const { return m_count(); }
    void reloadVisibleCards();
    SwipeCard *makeCard(qint64 index);
    void swipeTopCard(SwipeDirection direction, bool forced, bool animated);
    void removeCardView(SwipeCard *card);
    [[nodiscard]] bool allowsPan(SwipeCard *card) const;
    void layoutContainer();
    void hideCoveredCards();

    CardStackAnimationOptions m_animationOptions;
    bool m_horizontalDrag = true;
    bool m_verticalDrag = true;
    QPointer<QObject> m_sourceContext;
    std::function<qint64()> m_count;
    std::function<SwipeCard *(qint64)> m_make;
    QMarginsF m_insets;
    int m_numberOfVisibleCards = 2;
    QList<Card> m_visibleCards;
    bool m_isAnimating = false;
    QQuickItem *m_container;
    CardStackStateManager m_state;
};
