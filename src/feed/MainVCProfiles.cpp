// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "feed/MainVCProfiles.h"

#include "cards/ProfileCardModel.h"
#include "feed/MainVCPrefetch.h"
#include "platform/DiagnosticLog.h"
#include "store/UserManager.h"

#include <utility>

MainVCProfiles::MainVCProfiles(UserManager &users, NetworkService &network, QObject *parent)
    : QObject(parent)
    , m_users(users)
    , m_network(network) {}

CardModel MainVCProfiles::cardModel(const ProfileView &profile) {
    return ProfileCardModel::make(profile, ProfileCardModel::Distance::FromYou);
}

void MainVCProfiles::prefetch() {
    // Without a stored record (the first start on this computer) the answer is most likely
    // wanted; asking costs one read of the feed.
    const User stored = m_users.currentUser();
    if (!m_prefetch && (stored.active || stored.userID.isEmpty()))
        m_prefetch = new MainVCPrefetch(m_network, this);
}

void MainVCProfiles::userAnswered() {
    if (m_prefetch)
        m_prefetch->userAnswered();
}

MainVCPrefetch *MainVCProfiles::takePrefetch() {
    return std::exchange(m_prefetch, nullptr);
}

bool MainVCProfiles::beginRefill() {
    m_isLoadingMoreProfiles = true;
    // Asked before the service has the last swipes, it would deal those people again.
    m_refillAfterSwipes = m_swipesInFlight > 0;
    return !m_refillAfterSwipes;
}

void MainVCProfiles::swipeSent() {
    ++m_swipesInFlight;
}

bool MainVCProfiles::swipeAnswered() {
    if (--m_swipesInFlight > 0 || !m_refillAfterSwipes)
        return false;
    m_refillAfterSwipes = false;
    return true;
}

MainVCState::State MainVCProfiles::accept(const Result<QList<ProfileView>> &result, bool refill) {
    if (refill)
        m_isLoadingMoreProfiles = false;
    if (!result.ok())
        return MainVCState::NoCards;
    m_cardData.clear();
    for (const ProfileView &profile : result.value())
        m_cardData.append(cardModel(profile));
    return m_cardData.isEmpty() ? MainVCState::NoCards : MainVCState::DisplayingCards;
}

void MainVCProfiles::logLoad(const Result<QList<ProfileView>> &result, bool refill) {
    if (result.ok())
        qCInfo(lcFeed).noquote() << (refill
                                         ? QStringLiteral("Дозагрузка профилей завершена")
                                         : QStringLiteral("Начальная загрузка профилей завершена"));
    else
        qCWarning(lcFeed).noquote() << (refill ? QStringLiteral("Ошибка дозагрузки профилей: ")
                                               : QStringLiteral("Ошибка загрузки профилей: ")) +
                                           result.error().reason;
}
