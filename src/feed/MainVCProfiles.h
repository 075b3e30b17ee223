// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/ProfileView.h"
#include "api/Result.h"
#include "feed/MainVCState.h"
#include "ui/CardModel.h"

#include <QList>
#include <QObject>

class MainVCPrefetch;
class NetworkService;
class UserManager;

// The feed's profiles as cards and the state of loading them: the early request that may serve
// the first load, the refill that runs when the stack is swiped empty, and the likes and passes
// still on their way, which a refill waits for so the service does not deal those people again.
class MainVCProfiles : public QObject {
    Q_OBJECT
public:
    MainVCProfiles(UserManager &users, NetworkService &network, QObject *parent = nullptr);

    /// A profile record as a card: information lines in their fixed order, the distance always.
    [[nodiscard]] static CardModel cardModel(const ProfileView &profile);

    [[nodiscard]] const QList<CardModel> &cardData() const { return m_cardData; }
    [[nodiscard]] bool isLoadingMoreProfiles() const { return m_isLoadingMoreProfiles; }

    /// Asks for the first profiles now unless a stored record says the user is hidden.
    void prefetch();
    /// The user's record arrived or failed to: the early profiles may serve the load that follows.
    void userAnswered();
    /// The early request, handed over to the load it may serve; it serves no other.
    [[nodiscard]] MainVCPrefetch *takePrefetch();

    /// A refill begins; true when it may ask at once, false when it waits for the swipes.
    [[nodiscard]] bool beginRefill();
    void swipeSent();
    /// True when the refill that waited for this answer may ask now.
    [[nodiscard]] bool swipeAnswered();
    /// Takes a load's answer and tells the state it leads to: the cards are replaced on
    /// success; a refill ends either way.
    [[nodiscard]] MainVCState::State accept(const Result<QList<ProfileView>> &result, bool refill);
    /// The diagnostic line of a load's (or a refill's) outcome.
    static void logLoad(const Result<QList<ProfileView>> &result, bool refill);

private:
    UserManager &m_users;
    NetworkService &m_network;
    QList<CardModel> m_cardData;
    bool m_isLoadingMoreProfiles = false;
    int m_swipesInFlight = 0;
    bool m_refillAfterSwipes = false;
    MainVCPrefetch *m_prefetch = nullptr;
};
