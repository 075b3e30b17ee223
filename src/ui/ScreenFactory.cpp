// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/ScreenFactory.h"

#include <QHash>

namespace {
// The application installs every screen, and a test the ones it opens: one that nobody
// installed is a wiring mistake, stopped where it is made rather than shown half-working.
[[noreturn]] void notInstalled(ScreenFactory::Screen screen) {
    qFatal("No maker is installed for %s", qPrintable(ScreenFactory::typeName(screen)));
}
} // namespace

QString ScreenFactory::typeName(Screen screen) {
    switch (screen) {
    case Screen::Start:
        return QStringLiteral("StartVC");
    case Screen::NameInput:
        return QStringLiteral("NameInputVC");
    case Screen::PhotoGrid:
        return QStringLiteral("PhotoGridVC");
    case Screen::Geo:
        return QStringLiteral("GeoVC");
    case Screen::Notification:
        return QStringLiteral("NotificationVC");
    case Screen::Main:
        return QStringLiteral("TabBar");
    case Screen::Feed:
        return QStringLiteral("MainVC");
    case Screen::Likes:
        return QStringLiteral("LikesVC");
    case Screen::Profile:
        return QStringLiteral("ProfileVC");
    case Screen::Restore:
        return QStringLiteral("RestoreVC");
    case Screen::DeleteAccount:
        return QStringLiteral("DeleteAccountVC");
    case Screen::Settings:
        return QStringLiteral("SettingsVC");
    case Screen::Chats:
        return QStringLiteral("ChatsVC");
    case Screen::ChatDetails:
        return QStringLiteral("ChatDetailsVC");
    case Screen::UserInfo:
        return QStringLiteral("UserInfoVC");
    }
    return {};
}

ViewController *ScreenFactory::create(Screen screen, const Services &services) const {
    if (auto it = m_makers.find(screen); it != m_makers.end())
        return (*it)(services);
    notInstalled(screen);
}

ViewController *ScreenFactory::createChatDetails(const Match &match,
                                                 const Services &services) const {
    if (m_chatDetails)
        return m_chatDetails(match, services);
    notInstalled(Screen::ChatDetails);
}

ViewController *ScreenFactory::createUserInfo(const CardModel &model, ProfileAnswers answers,
                                              bool reportRow, const Services &services) const {
    if (m_userInfo)
        return m_userInfo(model, std::move(answers), reportRow, services);
    notInstalled(Screen::UserInfo);
}

ViewController *ScreenFactory::createSettings(bool isMain, const Services &services) const {
    if (m_settings)
        return m_settings(isMain, services);
    notInstalled(Screen::Settings);
}

void ScreenFactory::install(Screen screen, Maker maker) {
    m_makers.insert(screen, std::move(maker));
}

void ScreenFactory::installChatDetails(ChatDetailsMaker maker) {
    m_chatDetails = std::move(maker);
}

void ScreenFactory::installUserInfo(UserInfoMaker maker) {
    m_userInfo = std::move(maker);
}

void ScreenFactory::installSettings(SettingsMaker maker) {
    m_settings = std::move(maker);
}
