// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/ProfileView.h"
#include "api/RequestBodies.h"
#include "api/Result.h"
#include "api/RetrySchedule.h"
#include "api/SwipeResponse.h"
#include "cardstack/SwipeDirection.h"
#include "feed/MainVCPermissions.h"
#include "feed/MainVCProfiles.h"
#include "feed/MainVCState.h"
#include "ui/CardModel.h"
#include "ui/ViewController.h"

#include <QHash>
#include <QPointer>
#include <QQuickItem>
#include <QSet>
#include <functional>

#include "cards/ButtonStackView.h"
#include "ui/KeyActions.h"
#include "ui/ProfileAnswers.h"
class CardView;
class MainVCPrefetch;
class NetworkService;
class NoteMessageVC;
class PulsingHaloLayer;
class SwipeCard;
class SwipeCardStack;
class SwipeOutbox;
class UserManager;

// The discovery tab: a message screen (location off, profile hidden), the searching halo around
// the user's own photo, or the stack of nearby profiles with the undo, pass and like buttons.
// It loads the profiles, reports every like and pass, opens the note screen of a super-like and
// the full profile from a card's info button.
class MainVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")
    Q_PROPERTY(int state READ state NOTIFY viewsChanged)
    Q_PROPERTY(bool avatarVisible READ avatarVisible NOTIFY viewsChanged)
    Q_PROPERTY(bool cardStackVisible READ cardStackVisible NOTIFY viewsChanged)
    Q_PROPERTY(bool buttonStackVisible READ buttonStackVisible NOTIFY viewsChanged)
    Q_PROPERTY(bool noCardsLabelVisible READ noCardsLabelVisible NOTIFY viewsChanged)
    Q_PROPERTY(bool messageVisible READ messageVisible NOTIFY viewsChanged)
    Q_PROPERTY(QString titleText READ titleText NOTIFY viewsChanged)
    Q_PROPERTY(QString messageText READ messageText NOTIFY viewsChanged)
    Q_PROPERTY(QString settingsButtonTitle READ settingsButtonTitle NOTIFY viewsChanged)
    Q_PROPERTY(QString noCardsText READ noCardsText CONSTANT)
    Q_PROPERTY(QString avatarSource READ avatarSource NOTIFY avatarSourceChanged)
    Q_PROPERTY(ButtonStackView *buttonStackView READ buttonStackView CONSTANT)
    // On a wide window the top card's profile stands beside the stack and follows it.
    Q_PROPERTY(
        bool detailsBeside READ detailsBeside WRITE setDetailsBeside NOTIFY topDetailsChanged)
    Q_PROPERTY(ViewController *topDetails READ topDetails NOTIFY topDetailsChanged)

public:
    explicit MainVC(Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("feed/MainView.qml"); }
    QList<QUrl> partViewSources() const override;
    bool navigationBarHidden() const override { return true; }

    /// A profile record as a card: information lines in their fixed order, the distance always.
    [[nodiscard]] static CardModel cardModel(const ProfileView &profile);

    int state() const { return m_state; }
    bool avatarVisible() const { return m_shown & AvatarView; }
    bool cardStackVisible() const { return m_shown & CardStackView; }
    bool buttonStackVisible() const { return m_shown & ButtonsView; }
    bool noCardsLabelVisible() const { return m_shown & NoCardsView; }
    bool messageVisible() const { return m_shown & MessageView; }
    QString titleText() const { return m_titleText; }
    QString messageText() const { return m_messageText; }
    QString settingsButtonTitle() const { return m_settingsButtonTitle; }
    static QString noCardsText();
    QString avatarSource() const { return m_avatarSource; }

    ButtonStackView *buttonStackView() const { return m_buttons; }
    bool detailsBeside() const { return m_detailsBeside; }
    void setDetailsBeside(bool beside);
    /// The profile of the top card while it stands beside the stack; null otherwise.
    ViewController *topDetails() const { return m_topDetails; }
    SwipeCardStack *cardStack() const { return m_cardStack; }
    PulsingHaloLayer *halo() const { return m_halo; }
    [[nodiscard]] const QList<CardModel> &cardData() const { return m_profiles->cardData(); }
    [[nodiscard]] bool isLoadingMoreProfiles() const { return m_profiles->isLoadingMoreProfiles(); }
    bool didReceiveLocation() const { return m_permissions->didReceiveLocation(); }

    /// Puts the stack and the halo into the view's areas; they follow the areas' sizes.
    Q_INVOKABLE void attachViews(QQuickItem *stackArea, QQuickItem *haloArea);
    /// Keeps the halo centred on the own photo at every layout pass.
    Q_INVOKABLE void centerHalo(QPointF avatarCentre);

    /// Reloads the feed from the service (the "didUpdateUser" handler).
    void onUserUpdated();
    /// Asks for the first profiles now, before the first load needs them, unless a stored
    /// record says the user is hidden (that load asks nothing). The main screen does this while
    /// it builds.
    void prefetchProfiles();
    /// The main screen's `user` call answered: the early profiles may serve the load that the
    /// answer starts (see MainVCPrefetch). Without an answer the stored record serves the first
    /// load of a feed that waits for it.
    void userAnswered(bool ok);
    /// Waits between the attempts that follow a failed load.
    void setRetryDelays(RetrySchedule::Delay first, RetrySchedule::Delay longest);
    Q_INVOKABLE void filterButtonTapped();
    Q_INVOKABLE void settingsButtonTapped();
    /// Keyboard commands, the same paths as the buttons.
    Q_INVOKABLE void leftPressed();
    Q_INVOKABLE void rightPressed();
    Q_INVOKABLE void undoPressed();
    bool handleKey(KeyCommand command) override {
        return runKeyAction(command, {{KeyCommand::Left, [this] { leftPressed(); }},
                                      {KeyCommand::Right, [this] { rightPressed(); }},
                                      {KeyCommand::Undo, [this] { undoPressed(); }}});
    }

    /// The action of a button of the row, or of the open profile's, named by its tag.
    void act(int tag);
    /// The person was blocked or reported from their profile: their card never comes back.
    void closedForGood(const QString &userID);
    /// How a profile opened from here answers: its buttons act on the top card.
    [[nodiscard]] ProfileAnswers profileAnswers();

Q_SIGNALS:
    /// A swipe from the feed, perhaps one sent again later, made a match: the likes and the
    /// matches list have changed on the service.
    void matchCreated();
    void viewsChanged();
    void avatarSourceChanged();
    void topDetailsChanged();

protected:
    void viewDidLoad() override;
    void viewDidAppear() override;

private:
    [[nodiscard]] SwipeCard *makeCard(qint64 index);
    void cardSwiped(qint64 index, SwipeDirection direction);
    void cardUndone(qint64 index, SwipeDirection from);
    void allCardsSwiped();

    enum Shown {
        AvatarView = 1,
        CardStackView = 2,
        ButtonsView = 4,
        NoCardsView = 8,
        MessageView = 16,
    };

    void configureHalo();

    void swipeOrQueue(SwipeDirection direction);

    void runQueuedSwipe();
    void applyState(MainVCState::State state);
    void loadAvatar();
    void loadProfiles(bool refill, MainVCPrefetch *early = nullptr);
    void handleProfiles(const Result<QList<ProfileView>> &result, bool refill);
    void positionSent();
    void fetchOwnRecord();
    void refill();
    void sendSwipe(const QString &userID, SwipeDirection direction);
    /// Sends a swipe through the outbox; `answered` also hears the answer, if given.
    void sendSwipe(const QString &userID, SwipeType type, const QString &note,
                   std::function<void(const Result<SwipeResponse> &)> answered);
    /// Shows the note screen of a super-like, which sends it once the user has written or
    /// skipped the note.
    void showNote(NoteMessageVC *note);
    void handleSwipeResponse(const Result<SwipeResponse> &result);
    void superLike();
    [[nodiscard]] NoteMessageVC *makeNote(qint64 index) const;
    void openInfo(qint64 index);
    void presentSettings();
    void updateTopDetails();

    UserManager &m_users;
    NetworkService &m_network;
    MainVCState::State m_state = MainVCState::Loading;
    int m_shown = AvatarView;
    QString m_titleText;
    QString m_messageText;
    QString m_settingsButtonTitle;
    QString m_avatarSource;
    PulsingHaloLayer *m_halo = nullptr;
    SwipeCardStack *m_cardStack = nullptr;
    ButtonStackView *m_buttons = nullptr;
    QHash<qint64, QPointer<CardView>> m_cardViews;
    QPointer<NoteMessageVC> m_pendingNote;
    bool m_detailsBeside = false;
    QPointer<ViewController> m_topDetails;
    // Whose profile the panel shows: indices start again with every load.
    QString m_topDetailsUser;
    std::optional<SwipeDirection> m_queuedSwipe;
    // People blocked or reported: a pass on them is never undone.
    QSet<QString> m_closedForGood;
    MainVCPermissions *m_permissions;
    MainVCProfiles *m_profiles = nullptr;
    SwipeOutbox *m_outbox = nullptr;
    // A failed load leaves "nobody found"; the feed asks again on its own, so it recovers when
    // the network does.
    RetrySchedule m_retry;
    // The record asked for once the service has the position, until it comes.
    RetrySchedule m_recordRetry;
};
