// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "likes/LikesVC.h"

#include "api/Endpoints.h"
#include "api/EventChannel.h"
#include "api/NetworkService.h"
#include "cards/ButtonStackView.h"
#include "cards/ProfileCardModel.h"
#include "likes/CardCellView.h"
#include "platform/DiagnosticLog.h"
#include "store/UserManager.h"
#include "ui/MainThreadReceiver.h"
#include "ui/ScreenFactory.h"
#include "ui/TabContainer.h"

#include <QQuickItem>

#include <algorithm>

LikesVC::LikesVC(Services services, QObject *parent)
    : ViewController(QStringLiteral("LikesVC"), services, parent)
    , m_network(services.network())
    , m_cards(new LikesModel(this)) {}

QString LikesVC::countPhrase(qsizetype n) {
    return tr("%n лайков", nullptr, int(n));
}

QString LikesVC::hint() {
    return tr("Здесь появятся те, кто тебя лайкнул");
}

void LikesVC::setFocusedIndex(int index) {
    if (index == m_focusedIndex)
        return;
    m_focusedIndex = index;
    Q_EMIT focusedIndexChanged();
}

void LikesVC::setKeyboardFocusShown(bool shown) {
    if (shown == m_keyboardFocusShown)
        return;
    m_keyboardFocusShown = shown;
    Q_EMIT focusedIndexChanged();
}

void LikesVC::viewDidLoad() {
    updateCounters();
    updateData();
    m_updateTimer.setInterval(refreshIntervalMs);
    connect(&m_updateTimer, &QTimer::timeout, this, &LikesVC::updateData);
    m_updateTimer.start();
    connect(&services().events(), &EventChannel::arrived, this, [this](const LiveEvent &event) {
        // A new pair leaves the likes too, also one made on another device.
        if (event.kind == LiveEvent::Kind::Like || event.kind == LiveEvent::Kind::Match)
            updateData();
    });
    // What came before the channel was live (it opens a moment after the start, and again
    // after a drop) is asked for once it is.
    connect(&services().events(), &EventChannel::liveChanged, this, [this](bool live) {
        if (live)
            updateData();
    });
}

void LikesVC::updateData() {
    Endpoints::likes(
        [to = MainThreadReceiver(this)](const Result<QList<ProfileView>> &result) {
            to.deliver([result](LikesVC &likes) { likes.handleLikes(result); });
        },
        m_network);
}

void LikesVC::handleLikes(const Result<QList<ProfileView>> &result) {
    if (!result.ok()) {
        qCWarning(lcLikes).noquote() << result.error().reason;
        return;
    }
    QList<CardModel> cards;
    for (const ProfileView &profile : result.value())
        cards.append(ProfileCardModel::make(profile, ProfileCardModel::Distance::Plain));
    m_cards->setCards(std::move(cards));
    updateCounters();
}

void LikesVC::updateCounters() {
    Q_EMIT countChanged();
    const qsizetype count = data().size();
    if (TabContainer *tabs = tabBarController())
        tabs->setBadge(this, count > 0 ? QString::number(count) : QString());
    if (m_focusedIndex >= count)
        setFocusedIndex(int(qMax<qsizetype>(0, count - 1)));
}

CardCellView *LikesVC::makeCard(const QString &cardId, QQuickItem *slot, QQuickItem *content) {
    const QUuid id(cardId);
    const qsizetype row = m_cards->indexOf(id);
    if (row < 0 || !slot)
        return nullptr;
    auto *card = new CardCellView(data().at(row), services().photoDownloads());
    // The cell owns its card: a cell made again makes a new one.
    card->setParent(slot);
    card->setParentItem(slot);
    const auto fit = [card, slot] { card->setSize(slot->size()); };
    connect(slot, &QQuickItem::widthChanged, card, fit);
    connect(slot, &QQuickItem::heightChanged, card, fit);
    fit();
    if (content)
        card->setContent(content);
    connect(card, &SwipeCard::swipeBegan, this, [card] { card->setLifted(true); });
    connect(card, &SwipeCard::swipeCancelled, this, [card] { card->setLifted(false); });
    connect(card, &SwipeCard::swipeAnimationFinished, this, [card] { card->setLifted(false); });
    connect(card, &SwipeCard::swiped, this,
            [this, card](SwipeDirection direction) { cardSwiped(card, direction); });
    card->setOnTap([self = QPointer<LikesVC>(this), weak = QPointer<CardCellView>(card)] {
        if (self && weak)
            self->openProfile(weak);
    });
    m_cardViews.insert(id, card);
    return card;
}

void LikesVC::openProfile(CardCellView *card) {
    m_openProfileUser = card->model().userID;
    const ProfileAnswers answers{this, [this](int tag) { profileAnswered(tag); }, {}};
    present(services().screens().createUserInfo(card->model(), answers, false, services()),
            PresentationStyle::Panel, false);
}

CardCellView *LikesVC::focusedCard() const {
    if (m_focusedIndex < 0 || m_focusedIndex >= data().size())
        return nullptr;
    return m_cardViews.value(data().at(m_focusedIndex).id);
}

bool LikesVC::handleKey(KeyCommand command) {
    CardCellView *card = focusedCard();
    if (!card || command == KeyCommand::Escape || command == KeyCommand::Undo)
        return false;
    // A key must not answer a card the user cannot see is meant.
    if (!m_keyboardFocusShown) {
        setKeyboardFocusShown(true);
        return true;
    }
    return runKeyAction(command,
                        {{KeyCommand::Left, [this, card] { answer(card, SwipeDirection::Left); }},
                         {KeyCommand::Right, [this, card] { answer(card, SwipeDirection::Right); }},
                         {KeyCommand::Return, [this, card] { openProfile(card); }}});
}

void LikesVC::cardSwiped(CardCellView *card, SwipeDirection direction) {
    if (m_cards->indexOf(card->model().id) < 0)
        return;
    removeCard(card->model().id);
    if (direction == SwipeDirection::Left || direction == SwipeDirection::Right)
        sendSwipe(card->model().userID, direction);
}

void LikesVC::profileAnswered(int tag) {
    const QList<CardModel> &cards = data();
    const auto open = std::find_if(cards.cbegin(), cards.cend(), [this](const CardModel &card) {
        return card.userID == m_openProfileUser;
    });
    // Somebody answered already, or no longer in the list, takes no second answer.
    if (m_openProfileUser.isEmpty() || open == cards.cend())
        return;
    const CardModel person = *open;
    CardCellView *cell = m_cardViews.value(person.id);
    const auto answerWith = [&](SwipeDirection direction) {
        if (cell)
            answer(cell, direction);
        else
            answer(person, direction);
    };
    switch (tag) {
    case ButtonStackView::PassTag:
        answerWith(SwipeDirection::Left);
        break;
    case ButtonStackView::LikeTag:
        answerWith(SwipeDirection::Right);
        break;
    default:
        // A note is not sent from here; the card only leaves the grid.
        removeCard(person.id);
        break;
    }
}

void LikesVC::answer(CardCellView *card, SwipeDirection direction) {
    card->swipe(direction);
    answer(card->model(), direction);
}

void LikesVC::answer(const CardModel &person, SwipeDirection direction) {
    sendSwipe(person.userID, direction);
    removeCard(person.id);
}

void LikesVC::removeCard(const QUuid &id) {
    m_cards->remove(id);
    m_cardViews.remove(id);
    updateCounters();
}

void LikesVC::sendSwipe(const QString &toUserID, SwipeDirection direction) {
    const SwipeType type = direction == SwipeDirection::Left ? SwipeType::left : SwipeType::right;
    Endpoints::swipeFromLikes(
        services().user().currentUser().userID, toUserID, type, QString(),
        [to = MainThreadReceiver(this)](const Result<SwipeResponse> &result) {
            to.post([result](LikesVC &likes) { likes.handleSwipeResponse(result); });
        },
        m_network);
}

void LikesVC::handleSwipeResponse(const Result<SwipeResponse> &result) {
    if (!result.ok()) {
        qCWarning(lcLikes).noquote() << result.error().reason;
        return;
    }
    qCInfo(lcLikes).noquote() << result.value().logLine();
    if (result.value().createdMatch())
        emit matchCreated();
}
