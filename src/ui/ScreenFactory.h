// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/ProfileAnswers.h"

#include <QHash>
#include <QString>
#include <QUuid>
#include <functional>

class Services;
class ViewController;
struct CardModel;
struct Match;

// The one place screens are created, so routing, window switches and tests name a screen
// without knowing its class. The screens themselves live in the feature folders above this
// one: the application installs how each is made, and a screen nobody installed stops the
// client with its class name.
class ScreenFactory {
public:
    enum class Screen {
        Start,
        NameInput,
        PhotoGrid,
        Geo,
        Notification,
        Main,
        Feed,
        Likes,
        Profile,
        Restore,
        DeleteAccount,
        Settings,
        Chats,
        ChatDetails,
        UserInfo,
    };

    /// Every screen is made with the services of the one that opens it.
    [[nodiscard]] ViewController *create(Screen screen, const Services &services) const;
    /// The conversation of one match (Screen::ChatDetails needs its match).
    [[nodiscard]] ViewController *createChatDetails(const Match &match,
                                                    const Services &services) const;
    /// The details of one person's profile. Its buttons answer to the opener when there is
    /// one; without one, `reportRow` adds the row that reports the person.
    [[nodiscard]] ViewController *createUserInfo(const CardModel &model, ProfileAnswers answers,
                                                 bool reportRow, const Services &services) const;
    /// The discovery settings: `isMain` when opened from the own-profile tab, which also offers
    /// the account's rows; the feed opens the search settings alone.
    [[nodiscard]] ViewController *createSettings(bool isMain, const Services &services) const;
    /// The class name of the screen, as it logs.
    [[nodiscard]] static QString typeName(Screen screen);

    using Maker = std::function<ViewController *(const Services &)>;
    using ChatDetailsMaker = std::function<ViewController *(const Match &, const Services &)>;
    using UserInfoMaker =
        std::function<ViewController *(const CardModel &, ProfileAnswers, bool, const Services &)>;
    using SettingsMaker = std::function<ViewController *(bool isMain, const Services &)>;

    /// How this screen is made; installing again replaces the maker, which is how a test puts
    /// a screen of its own in its place.
    void install(Screen screen, Maker maker);
    void installChatDetails(ChatDetailsMaker maker);
    void installUserInfo(UserInfoMaker maker);
    void installSettings(SettingsMaker maker);

private:
    QHash<Screen, Maker> m_makers;
    ChatDetailsMaker m_chatDetails;
    UserInfoMaker m_userInfo;
    SettingsMaker m_settings;
};
