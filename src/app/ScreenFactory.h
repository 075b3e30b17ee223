#pragma once

#include <QHash>
#include <QString>
#include <QUuid>
#include <functional>

class ViewController;
struct Match;

// The one place screens are created, so routing, window switches and tests name a screen
// without knowing its class.
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

    static ScreenFactory &shared();

    [[nodiscard]] ViewController *create(Screen screen) const;
    /// The conversation of one match (Screen::ChatDetails needs its match).
    [[nodiscard]] ViewController *createChatDetails(const Match &match) const;
    /// The class name of the screen, as it logs and as stand-ins show it.
    [[nodiscard]] static QString typeName(Screen screen);

    /// Lets a test build a screen of its own in place of the real one.
    void override(Screen screen, std::function<ViewController *()> maker);
    void clearOverrides();

private:
    QHash<Screen, std::function<ViewController *()>> m_overrides;
};
