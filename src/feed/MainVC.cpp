// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "feed/MainVC.h"

#include "api/Endpoints.h"
#include "api/NetworkService.h"
#include "cards/ButtonStackView.h"
#include "cards/CardButton.h"
#include "cards/CardOverlay.h"
#include "cards/CardView.h"
#include "cardstack/SwipeCardStack.h"
#include "controls/Theme.h"
#include "feed/MainVCPermissions.h"
#include "feed/MainVCPrefetch.h"
#include "feed/MainVCProfiles.h"
#include "feed/NoteMessageVC.h"
#include "feed/PulsingHaloLayer.h"
#include "feed/SwipeOutbox.h"
#include "platform/DiagnosticLog.h"
#include "store/UserManager.h"
#include "ui/AppServices.h"
#include "ui/MainThreadReceiver.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"

namespace {
QString directionName(SwipeDirection direction) {
    switch (direction) {
    case SwipeDirection::Left:
        return QStringLiteral("left");
    case SwipeDirection::Right:
        return QStringLiteral("right");
    case SwipeDirection::Up:
        return QStringLiteral("up");
    case SwipeDirection::Down:
        return QStringLiteral("down");
    }
    return {};
}
} // namespace

MainVC::MainVC(Services services, QObject *parent)
    : ViewController(QStringLiteral("MainVC"), services, parent)
    , m_users(services.user())
    , m_network(services.network())
    , m_permissions(new MainVCPermissions(services, this))
    , m_profiles(new MainVCProfiles(m_users, m_network, this))
    , m_outbox(new SwipeOutbox(
          m_users.openDefaults(), m_network,
          [this](const Result<SwipeResponse> &result) { handleSwipeResponse(result); }, this))
    , m_retry([this] { onUserUpdated(); })
    , m_recordRetry([this] { fetchOwnRecord(); }) {
    connect(m_permissions, &MainVCPermissions::positionSent, this, &MainVC::positionSent);
}

QString MainVC::noCardsText() {
    return tr("Не удаётся никого найти в настоящий момент. Попробуй изменить "
              "настройки поиска пар");
}

QList<QUrl> MainVC::partViewSources() const {
    return {CardView::contentSource()};
}

CardModel MainVC::cardModel(const ProfileView &profile) {
    return MainVCProfiles::cardModel(profile);
}

void MainVC::viewDidLoad() {
    m_halo = new PulsingHaloLayer();
    m_halo->setParent(this);
    configureHalo();
    m_cardStack = new SwipeCardStack();
    m_cardStack->setParent(this);
    m_cardStack->setCardSource(
        this, [this] { return qint64(cardData().size()); },
        [this](qint64 index) { return makeCard(index); });
    connect(m_cardStack, &SwipeCardStack::cardSwiped, this, &MainVC::cardSwiped);
    connect(m_cardStack, &SwipeCardStack::cardUndone, this, &MainVC::cardUndone);
    connect(m_cardStack, &SwipeCardStack::cardSelected, this, [](qint64 index) {
        qCInfo(lcFeed).noquote() << QStringLiteral("Выбрана карточка %1").arg(index);
    });
    connect(m_cardStack, &SwipeCardStack::allCardsSwiped, this, &MainVC::allCardsSwiped);
    connect(m_cardStack, &SwipeCardStack::isAnimatingChanged, this, &MainVC::runQueuedSwipe);
    connect(m_cardStack, &SwipeCardStack::isAnimatingChanged, this, &MainVC::updateTopDetails);
    m_buttons = new ButtonStackView(this);
    connect(m_buttons, &ButtonStackView::buttonTapped, this,
            [this](CardButton *button) { act(button->tag()); });

    const User user = m_users.currentUser();
    if (user.lat == 0 && user.longitude == 0)
        applyState(MainVCState::NoGeo);
    else if (!user.active)
        applyState(MainVCState::Hide);
    else
        applyState(MainVCState::Loading);

    m_permissions->start();
    connect(&services().user(), &UserManager::userChanged, this, &MainVC::onUserUpdated);
    loadAvatar();
}

void MainVC::configureHalo() {
    m_halo->setRadius(200);
    m_halo->setBackgroundColor(Theme::halo());
    m_halo->setHaloLayerNumber(5);
    m_halo->setAnimationDuration(5);
    m_halo->setFromValueForRadius(0.25);
    m_halo->setPulseInterval(4);
    m_halo->setZ(-1);
}

void MainVC::viewDidAppear() {
    if (m_state == MainVCState::Loading || m_state == MainVCState::NoCards)
        m_halo->start();
}

void MainVC::attachViews(QQuickItem *stackArea, QQuickItem *haloArea) {
    loadViewIfNeeded();
    m_cardStack->setParentItem(stackArea);
    const auto fit = [stack = QPointer<SwipeCardStack>(m_cardStack), stackArea] {
        if (stack)
            stack->setSize(stackArea->size());
    };
    connect(stackArea, &QQuickItem::widthChanged, m_cardStack, fit);
    connect(stackArea, &QQuickItem::heightChanged, m_cardStack, fit);
    fit();
    m_halo->setParentItem(haloArea);
}

void MainVC::centerHalo(QPointF avatarCentre) {
    if (m_halo)
        m_halo->centerOn(avatarCentre);
}

void MainVC::applyState(MainVCState::State state) {
    m_state = state;
    m_shown = 0;
    m_halo->stop();
    m_titleText.clear();
    m_messageText.clear();
    m_settingsButtonTitle.clear();
    switch (state) {
    case MainVCState::Loading:
        m_shown = AvatarView;
        m_halo->start();
        break;
    case MainVCState::NoCards:
        m_shown = AvatarView | NoCardsView;
        m_halo->start();
        break;
    case MainVCState::DisplayingCards:
        m_cardViews.clear();
        m_cardStack->reloadData();
        m_shown = CardStackView | ButtonsView;
        break;
    case MainVCState::NoGeo:
        m_shown = MessageView;
        m_titleText = tr("Геопозиция отключена");
        m_messageText =
            tr("Чтобы использовать приложение, необходимо поделиться своим местоположением");
        m_settingsButtonTitle = tr("Открыть настройки");
        break;
    case MainVCState::Hide:
        m_shown = MessageView;
        m_titleText = tr("Твоя информация скрыта");
        m_messageText =
            tr("Активируй находки, чтобы искать новых людей. Люди, которые уже получили от тебя "
               "лайк, по-прежнему смогут видеть твой профиль и образовывать с тобой пары");
        m_settingsButtonTitle = tr("Активировать находки");
        break;
    }
    Q_EMIT viewsChanged();
    updateTopDetails();
}

void MainVC::loadAvatar() {
    const QStringList photos = m_users.currentUser().photoUrls;
    const QString source = photos.isEmpty() ? QString() : photos.first();
    if (source == m_avatarSource)
        return;
    m_avatarSource = source;
    Q_EMIT avatarSourceChanged();
}

void MainVC::onUserUpdated() {
    loadViewIfNeeded();
    loadAvatar();
    // Profiles asked for early serve this load at most.
    MainVCPrefetch *early = m_profiles->takePrefetch();
    m_outbox->resend(m_users.currentUser().userID);
    if (!m_users.currentUser().active) {
        applyState(MainVCState::Hide);
        return;
    }
    loadProfiles(false, early);
}

void MainVC::prefetchProfiles() {
    m_profiles->prefetch();
}

void MainVC::userAnswered(bool ok) {
    m_profiles->userAnswered();
    // Offline at start the stored record is the best there is for a feed still waiting for its
    // first load, and that load reports the failure. The location and hidden messages stay, as
    // they do until the service sends a record.
    if (!ok && m_state == MainVCState::Loading)
        onUserUpdated();
}

void MainVC::positionSent() {
    // The location message stays until a record with a position comes. The stored one may have
    // none, or there may be none at all when the service was out of reach at start; the record
    // the service holds now has it.
    if (m_state == MainVCState::NoGeo)
        fetchOwnRecord();
}

void MainVC::fetchOwnRecord() {
    Endpoints::user(
        [to = MainThreadReceiver(this)](const Result<User> &result) {
            to.deliver([result](MainVC &self) {
                if (result.ok())
                    self.m_recordRetry.reset();
                else if (self.m_state == MainVCState::NoGeo)
                    self.m_recordRetry.failed();
                self.m_users.fetchedUserUpdate(result);
            });
        },
        m_network);
}

void MainVC::setRetryDelays(RetrySchedule::Delay first, RetrySchedule::Delay longest) {
    m_retry.setDelays(first, longest);
    m_outbox->setRetryDelays(first, longest);
    m_permissions->setRetryDelays(first, longest);
    m_recordRetry.setDelays(first, longest);
}

void MainVC::loadProfiles(bool refill, MainVCPrefetch *early) {
    m_retry.reset();
    auto completion = [to = MainThreadReceiver(this), refill](Result<QList<ProfileView>> result) {
        to.deliver([result = std::move(result), refill](MainVC &self) {
            self.handleProfiles(result, refill);
        });
    };
    if (early && early->take(completion))
        return;
    Endpoints::fetchProfiles(std::move(completion), m_network);
}

void MainVC::handleProfiles(const Result<QList<ProfileView>> &result, bool refill) {
    // The cards are in place before the line about them is written.
    applyState(m_profiles->accept(result, refill));
    MainVCProfiles::logLoad(result, refill);
    if (!result.ok())
        m_retry.failed();
}

void MainVC::refill() {
    m_buttons->setUndoButtonEnabled(false);
    if (m_profiles->beginRefill())
        loadProfiles(true);
}

SwipeCard *MainVC::makeCard(qint64 index) {
    auto *card = new CardView(cardData().at(index), services());
    card->setSwipeDirections({SwipeDirection::Left, SwipeDirection::Right});
    for (SwipeDirection direction : card->swipeDirections())
        card->setOverlay(CardOverlay::make(direction), direction);
    card->setOnInfoButtonTap([weak = QPointer<MainVC>(this), index] {
        if (weak)
            weak->openInfo(index);
    });
    m_cardViews.insert(index, card);
    return card;
}

void MainVC::openInfo(qint64 index) {
    present(services().screens().createUserInfo(cardData().at(index), profileAnswers(), false,
                                                services()),
            PresentationStyle::PageSheet, false);
}

void MainVC::cardSwiped(qint64 index, SwipeDirection direction) {
    qCInfo(lcFeed).noquote() << QStringLiteral("Свайпнута карточка %1 в направлении %2")
                                    .arg(index)
                                    .arg(directionName(direction));
    const CardModel &model = cardData().at(index);
    qCInfo(lcFeed).noquote() << QStringLiteral("targetUserID: ") + model.userID;
    qCInfo(lcFeed).noquote() << QStringLiteral("name: ") + model.name;
    const bool undoable =
        direction == SwipeDirection::Left && !m_closedForGood.contains(model.userID);

    if (direction == SwipeDirection::Left || direction == SwipeDirection::Right) {
        sendSwipe(model.userID, direction);
    } else if (direction == SwipeDirection::Up) {
        // A super-like comes only from the note button, which built the screen already.
        NoteMessageVC *note = m_pendingNote ? m_pendingNote.data() : makeNote(index);
        m_pendingNote.clear();
        showNote(note);
        m_buttons->setUndoButtonEnabled(false);
    }

    if (m_cardStack->visibleCards().isEmpty() && !isLoadingMoreProfiles())
        refill();
    else
        m_buttons->setUndoButtonEnabled(undoable);
    updateTopDetails();
}

void MainVC::sendSwipe(const QString &userID, SwipeDirection direction) {
    sendSwipe(userID, direction == SwipeDirection::Left ? SwipeType::left : SwipeType::right, {},
              {});
}

void MainVC::sendSwipe(const QString &userID, SwipeType type, const QString &note,
                       std::function<void(const Result<SwipeResponse> &)> answered) {
    m_profiles->swipeSent();
    m_outbox->send({m_users.currentUser().userID, userID, type, note},
                   [to = MainThreadReceiver(this),
                    answered = std::move(answered)](const Result<SwipeResponse> &result) {
                       to.deliver([result, answered](MainVC &self) {
                           self.handleSwipeResponse(result);
                           if (answered)
                               answered(result);
                           if (self.m_profiles->swipeAnswered())
                               self.loadProfiles(true);
                       });
                   });
}

void MainVC::showNote(NoteMessageVC *note) {
    const QString userID = note->toUserID();
    const QPointer<NoteMessageVC> weak = note;
    connect(note, &NoteMessageVC::noteChosen, this, [this, userID, weak](const QString &text) {
        sendSwipe(userID, SwipeType::superlike, text, [weak](const Result<SwipeResponse> &result) {
            if (weak)
                weak->answered(result);
        });
    });
    connect(note, &NoteMessageVC::plainLikeChosen, this,
            [this, userID](const QString &text) { sendSwipe(userID, SwipeType::right, text, {}); });
    note->showOver(this);
}

void MainVC::handleSwipeResponse(const Result<SwipeResponse> &result) {
    if (!result.ok()) {
        qCWarning(lcFeed).noquote() << result.error().reason;
        return;
    }
    qCInfo(lcFeed).noquote() << result.value().logLine();
    if (result.value().createdMatch())
        emit matchCreated();
}

void MainVC::cardUndone(qint64 index, SwipeDirection from) {
    qCInfo(lcFeed).noquote() << QStringLiteral("Отменён свайп карточки %1 из направления %2")
                                    .arg(index)
                                    .arg(directionName(from));
    m_buttons->setUndoButtonEnabled(false);
    updateTopDetails();
}

void MainVC::setDetailsBeside(bool beside) {
    if (beside == m_detailsBeside)
        return;
    m_detailsBeside = beside;
    updateTopDetails();
    Q_EMIT topDetailsChanged();
}

void MainVC::updateTopDetails() {
    // Made once the cards are still: a profile built while a card flies off would cost that
    // flight its frames. The end of the flight asks again.
    if (m_cardStack && m_cardStack->isAnimating())
        return;
    // What the profile put up over the window (a report being typed, a block being confirmed)
    // still answers to it: it stays until that is closed, even if the window narrows meanwhile.
    // Asked again only once the closing is over, as the profile may put up its thanks next.
    if (m_topDetails && presentedViewController()) {
        connect(presentationRoot(), &ViewController::presentedViewControllerChanged, this,
                &MainVC::updateTopDetails,
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::UniqueConnection));
        return;
    }
    const bool shown = m_detailsBeside && m_state == MainVCState::DisplayingCards && m_cardStack &&
                       !m_cardStack->visibleCards().isEmpty();
    const qint64 top = shown ? m_cardStack->visibleCards().first().index : -1;
    const QString user = shown ? cardData().at(top).userID : QString();
    if (user == m_topDetailsUser && shown == !m_topDetails.isNull())
        return;
    QPointer<ViewController> previous = m_topDetails;
    m_topDetailsUser = user;
    m_topDetails = shown ? services().screens().createUserInfo(cardData().at(top), profileAnswers(),
                                                               false, services())
                         : nullptr;
    if (m_topDetails) {
        m_topDetails->setParent(this);
        // Drawn as a part of the feed, it presents over the whole window as the feed would: a
        // report typed in it is not left beside cards that can still be swiped.
        m_topDetails->setContainer(this);
    }
    Q_EMIT topDetailsChanged();
    if (previous)
        previous->release();
}

void MainVC::allCardsSwiped() {
    qCInfo(lcFeed).noquote() << QStringLiteral("Все карточки были свайпнуты!");
    applyState(MainVCState::Loading);
}

void MainVC::act(int tag) {
    if (!m_cardStack || m_state != MainVCState::DisplayingCards)
        return;
    switch (tag) {
    case ButtonStackView::UndoTag:
        m_cardStack->undoLastSwipe(true);
        break;
    case ButtonStackView::PassTag:
        swipeOrQueue(SwipeDirection::Left);
        break;
    case ButtonStackView::NoteTag:
        superLike();
        break;
    case ButtonStackView::LikeTag:
        swipeOrQueue(SwipeDirection::Right);
        break;
    default:
        break;
    }
}

ProfileAnswers MainVC::profileAnswers() {
    return {this, [this](int tag) { act(tag); },
            [this](const QString &userID) { closedForGood(userID); }};
}

void MainVC::closedForGood(const QString &userID) {
    m_closedForGood.insert(userID);
    const QList<qint64> swiped = m_cardStack ? m_cardStack->swipedIndices() : QList<qint64>();
    if (!swiped.isEmpty() && cardData().value(swiped.last()).userID == userID)
        m_buttons->setUndoButtonEnabled(false);
}

void MainVC::swipeOrQueue(SwipeDirection direction) {
    // While a card flies off, the next press waits for it instead of being dropped, so a
    // key held down or pressed quickly swipes card after card. Only the latest one waits.
    if (m_cardStack->isAnimating()) {
        m_queuedSwipe = direction;
        return;
    }
    m_cardStack->swipe(direction, true);
}

void MainVC::runQueuedSwipe() {
    if (!m_queuedSwipe || !m_cardStack || m_cardStack->isAnimating())
        return;
    const SwipeDirection direction = *std::exchange(m_queuedSwipe, std::nullopt);
    if (m_state == MainVCState::DisplayingCards)
        m_cardStack->swipe(direction, true);
}

void MainVC::leftPressed() {
    act(ButtonStackView::PassTag);
}

void MainVC::rightPressed() {
    act(ButtonStackView::LikeTag);
}

void MainVC::undoPressed() {
    // The key does what the button does, so it is refused while the button is off.
    if (m_buttons && m_buttons->isUndoButtonEnabled())
        act(ButtonStackView::UndoTag);
}

void MainVC::superLike() {
    if (cardData().isEmpty() || m_cardStack->isAnimating())
        return;
    const QList<Card> &visible = m_cardStack->visibleCards();
    const qint64 index = visible.isEmpty() ? 0 : visible.first().index;
    m_pendingNote = makeNote(index);
    m_cardStack->swipe(SwipeDirection::Up, true);
}

NoteMessageVC *MainVC::makeNote(qint64 index) const {
    // The feed's models carry no photos; the card keeps the ones it downloaded. Without one
    // the note shows an empty circle.
    QImage picture;
    if (const CardView *card = m_cardViews.value(index); card && !card->loadedImages().isEmpty())
        picture = card->loadedImages().first();
    else if (index < cardData().size() && !cardData().at(index).images.isEmpty())
        picture = cardData().at(index).images.first();
    return new NoteMessageVC(index < cardData().size() ? cardData().at(index).userID : QString(),
                             picture);
}

void MainVC::filterButtonTapped() {
    presentSettings();
}

void MainVC::settingsButtonTapped() {
    if (m_state == MainVCState::NoGeo)
        services().platform().locationService().openSettings();
    else if (m_state == MainVCState::Hide)
        presentSettings();
}

void MainVC::presentSettings() {
    auto *navigation =
        new NavigationContainer(services().screens().createSettings(false, services()));
    present(navigation, PresentationStyle::PageSheet, true);
}
