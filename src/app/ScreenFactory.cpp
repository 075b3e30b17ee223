#include "ScreenFactory.h"

#include "ChatDetailsVC.h"
#include "ChatsVC.h"
#include "DeleteAccountVC.h"
#include "MainVC.h"
#include "RestoreVC.h"
#include "StandInVC.h"
#include "StartVC.h"
#include "TabBar.h"

#include <QHash>

ScreenFactory &ScreenFactory::shared() {
    static ScreenFactory factory;
    return factory;
}

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

ViewController *ScreenFactory::create(Screen screen) const {
    if (auto it = m_overrides.find(screen); it != m_overrides.end())
        return (*it)();
    switch (screen) {
    case Screen::Start:
        return new StartVC();
    case Screen::Restore:
        return new RestoreVC();
    case Screen::DeleteAccount:
        return new DeleteAccountVC();
    case Screen::Chats:
        return new ChatsVC();
    case Screen::Feed:
        return new MainVC();
    case Screen::Main:
        return new TabBar();
    default:
        return new StandInVC(typeName(screen));
    }
}

ViewController *ScreenFactory::createChatDetails(const Match &match) const {
    if (auto it = m_overrides.find(Screen::ChatDetails); it != m_overrides.end())
        return (*it)();
    return new ChatDetailsVC(match);
}

void ScreenFactory::override(Screen screen, std::function<ViewController *()> maker) {
    m_overrides.insert(screen, std::move(maker));
}

void ScreenFactory::clearOverrides() {
    m_overrides.clear();
}
