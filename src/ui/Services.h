#pragma once

class AppServices;
class ChatCashManager;
class DesktopNotifier;
class ImageCacheManager;
class NetworkService;
class NotificationCenter;
class ScreenFactory;
class SecureStore;
class UnsentMessages;
class UserManager;

// What a screen reaches the rest of the client through. Every screen is handed one, and the
// helpers it owns get the screen's; whatever was not set is the process's shared instance. A
// test builds a screen with its own doubles by setting them here, without knowing which shared
// instances the screen would otherwise touch.
class Services {
public:
    [[nodiscard]] NetworkService &network() const;
    [[nodiscard]] SecureStore &secureStore() const;
    [[nodiscard]] NotificationCenter &notifications() const;
    [[nodiscard]] UserManager &user() const;
    [[nodiscard]] ChatCashManager &savedMatches() const;
    [[nodiscard]] UnsentMessages &unsentMessages() const;
    [[nodiscard]] ImageCacheManager &images() const;
    [[nodiscard]] DesktopNotifier &desktopNotifier() const;
    /// The platform's services: cloud account, attestation, location, notifications, links.
    [[nodiscard]] AppServices &platform() const;
    [[nodiscard]] ScreenFactory &screens() const;

    Services &setNetwork(NetworkService &value);
    Services &setSecureStore(SecureStore &store);
    Services &setNotifications(NotificationCenter &center);
    Services &setUser(UserManager &user);
    Services &setSavedMatches(ChatCashManager &matches);
    Services &setUnsentMessages(UnsentMessages &messages);
    Services &setImages(ImageCacheManager &images);
    Services &setDesktopNotifier(DesktopNotifier &notifier);
    Services &setPlatform(AppServices &platform);
    Services &setScreens(ScreenFactory &screens);

private:
    NetworkService *m_network = nullptr;
    SecureStore *m_secureStore = nullptr;
    NotificationCenter *m_notifications = nullptr;
    UserManager *m_user = nullptr;
    ChatCashManager *m_savedMatches = nullptr;
    UnsentMessages *m_unsentMessages = nullptr;
    ImageCacheManager *m_images = nullptr;
    DesktopNotifier *m_desktopNotifier = nullptr;
    AppServices *m_platform = nullptr;
    ScreenFactory *m_screens = nullptr;
};
