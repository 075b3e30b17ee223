// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Result.h"
#include "api/SwipeResponse.h"
#include "cardstack/SwipeDirection.h"
#include "likes/CardCellView.h"
#include "likes/LikesModel.h"
#include "ui/KeyActions.h"
#include "ui/ViewController.h"

#include <QHash>
#include <QPointer>
#include <QTimer>

class NetworkService;
class QQuickItem;
struct ProfileView;

// The likes tab: the people who liked the user and have no answer yet, as a grid of small
// cards. A card thrown right likes back (which may make a match), thrown left rejects; a click
// opens the full profile, whose pass and like act on that card. The count shows as the title
// and as the tab's badge. The list is asked for at start, every minute and whenever the feed
// asks for fresh cards.
class LikesVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")
    Q_PROPERTY(LikesModel *cards READ cards CONSTANT)
    Q_PROPERTY(QString likesTitle READ likesTitle NOTIFY countChanged)
    Q_PROPERTY(bool gridHidden READ gridHidden NOTIFY countChanged)
    Q_PROPERTY(QString hint READ hint CONSTANT)
    Q_PROPERTY(int focusedIndex READ focusedIndex WRITE setFocusedIndex NOTIFY focusedIndexChanged)
    // The frame around the focused card shows once the keyboard moves it.
    Q_PROPERTY(bool keyboardFocusShown READ keyboardFocusShown WRITE setKeyboardFocusShown NOTIFY
                   focusedIndexChanged)

public:
    static constexpr int refreshIntervalMs = 60'000;

    explicit LikesVC(Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("likes/LikesView.qml"); }
    bool navigationBarHidden() const override { return true; }

    LikesModel *cards() const { return m_cards; }
    [[nodiscard]] const QList<CardModel> &data() const { return m_cards->cards(); }
    /// "1 лайк", "3 лайка", "5 лайков": the count with its word in the plural form the
    /// installed language gives it.
    [[nodiscard]] static QString countPhrase(qsizetype n);
    QString likesTitle() const { return countPhrase(data().size()); }
    bool gridHidden() const { return data().isEmpty(); }
    static QString hint();
    int focusedIndex() const { return m_focusedIndex; }
    void setFocusedIndex(int index);
    bool keyboardFocusShown() const { return m_keyboardFocusShown; }
    void setKeyboardFocusShown(bool shown);

    /// Asks the service for the list again.
    void updateData();
    /// The card of a cell: made for the grid item with this identity, placed in the cell's
    /// slot and following its size, carrying the drawing. Null when the identity is no longer
    /// in the grid.
    Q_INVOKABLE CardCellView *makeCard(const QString &cardId, QQuickItem *slot,
                                       QQuickItem *content);
    /// Opens the full profile of a card, whose buttons then act on that person's card, also
    /// after a refresh of the list made the card anew.
    void openProfile(CardCellView *card);

    /// Keyboard: ← and → pass and like the focused card, Return opens it; while no card shows
    /// the focus, the first of these keys only shows it.
    bool handleKey(KeyCommand command) override;

    /// The answer of the profile opened from a card: the tag of the button tapped there.
    void profileAnswered(int tag);

Q_SIGNALS:
    /// A like returned from here made a match: the matches list has changed on the service.
    void matchCreated();
    void countChanged();
    void focusedIndexChanged();

protected:
    void viewDidLoad() override;

private:
    /// The card was thrown off by hand: answered as thrown, unless it is gone already.
    void cardSwiped(CardCellView *card, SwipeDirection direction);
    void handleLikes(const Result<QList<ProfileView>> &result);
    /// Takes the card out of the grid; the count follows.
    void removeCard(const QUuid &id);
    /// Throws the card away the way it is answered, tells the service and takes it out.
    void answer(CardCellView *card, SwipeDirection direction);
    /// The same for a card the grid may not draw (scrolled away, or made anew by a refresh).
    void answer(const CardModel &person, SwipeDirection direction);
    void sendSwipe(const QString &toUserID, SwipeDirection direction);
    void handleSwipeResponse(const Result<SwipeResponse> &result);
    void updateCounters();
    [[nodiscard]] CardCellView *focusedCard() const;

    NetworkService &m_network;
    LikesModel *m_cards;
    QHash<QUuid, QPointer<CardCellView>> m_cardViews;
    QString m_openProfileUser;
    QTimer m_updateTimer;
    int m_focusedIndex = 0;
    bool m_keyboardFocusShown = false;
};
