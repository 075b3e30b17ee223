#include "ui/Services.h"

#include "api/NetworkService.h"
#include "media/ImageCacheManager.h"
#include "platform/DesktopNotifier.h"
#include "platform/NotificationCenter.h"
#include "platform/SecureStore.h"
#include "store/ChatCashManager.h"
#include "store/UnsentMessages.h"
#include "store/UserManager.h"
#include "ui/AppServices.h"
#include "ui/ScreenFactory.h"

NetworkService &Services::network() const {
    return m_network ? *m_network : NetworkService::shared();
}

SecureStore &Services::secureStore() const {
    return m_secureStore ? *m_secureStore : SecureStore::shared();
}

NotificationCenter &Services::notifications() const {
    return m_notifications ? *m_notifications : NotificationCenter::shared();
}

UserManager &Services::user() const {
    return m_user ? *m_user : UserManager::shared();
}

ChatCashManager &Services::savedMatches() const {
    return m_savedMatches ? *m_savedMatches : ChatCashManager::shared();
}

UnsentMessages &Services::unsentMessages() const {
    return m_unsentMessages ? *m_unsentMessages : UnsentMessages::shared();
}

ImageCacheManager &Services::images() const {
    return m_images ? *m_images : ImageCacheManager::shared();
}

DesktopNotifier &Services::desktopNotifier() const {
    return m_desktopNotifier ? *m_desktopNotifier : DesktopNotifier::shared();
}

AppServices &Services::platform() const {
    return m_platform ? *m_platform : AppServices::shared();
}

ScreenFactory &Services::screens() const {
    return m_screens ? *m_screens : ScreenFactory::shared();
}

Services &Services::setNetwork(NetworkService &value) {
    m_network = &value;
    return *this;
}

Services &Services::setSecureStore(SecureStore &value) {
    m_secureStore = &value;
    return *this;
}

Services &Services::setNotifications(NotificationCenter &value) {
    m_notifications = &value;
    return *this;
}

Services &Services::setUser(UserManager &value) {
    m_user = &value;
    return *this;
}

Services &Services::setSavedMatches(ChatCashManager &value) {
    m_savedMatches = &value;
    return *this;
}

Services &Services::setUnsentMessages(UnsentMessages &value) {
    m_unsentMessages = &value;
    return *this;
}

Services &Services::setImages(ImageCacheManager &value) {
    m_images = &value;
    return *this;
}

Services &Services::setDesktopNotifier(DesktopNotifier &value) {
    m_desktopNotifier = &value;
    return *this;
}

Services &Services::setPlatform(AppServices &value) {
    m_platform = &value;
    return *this;
}

Services &Services::setScreens(ScreenFactory &value) {
    m_screens = &value;
    return *this;
}
