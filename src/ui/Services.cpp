// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/Services.h"

#include "api/EventChannel.h"
#include "api/NetworkService.h"
#include "media/ImageCacheManager.h"
#include "media/NsfwClassifier.h"
#include "media/PhotoDownloader.h"
#include "media/PhotoScaler.h"
#include "media/RecentPhotos.h"
#include "platform/DesktopNotifier.h"
#include "platform/SecureStore.h"
#include "platform/TaskGroup.h"
#include "store/ChatCashManager.h"
#include "store/UnsentMessages.h"
#include "store/UserManager.h"
#include "ui/AppServices.h"
#include "ui/ScreenFactory.h"

namespace {
// A screen asking for a service its owner did not hand it is a wiring mistake; saying which
// one beats a crash on a null reference somewhere below.
template <typename Service> Service &required(Service *service, const char *name) {
    if (!service)
        qFatal("Services: no %s was handed in", name);
    return *service;
}
} // namespace

NetworkService &Services::network() const {
    return required(m_network, "network");
}

SecureStore &Services::secureStore() const {
    return required(m_secureStore, "secureStore");
}

UserManager &Services::user() const {
    return required(m_user, "user");
}

ChatCashManager &Services::savedMatches() const {
    return required(m_savedMatches, "savedMatches");
}

UnsentMessages &Services::unsentMessages() const {
    return required(m_unsentMessages, "unsentMessages");
}

ImageCacheManager &Services::images() const {
    return required(m_images, "images");
}

PhotoDownloader &Services::photoDownloads() const {
    return required(m_photoDownloads, "photoDownloads");
}

PhotoScaler &Services::photoScaler() const {
    return required(m_photoScaler, "photoScaler");
}

RecentPhotos &Services::recentPhotos() const {
    return required(m_recentPhotos, "recentPhotos");
}

NsfwClassifier &Services::classifier() const {
    return required(m_classifier, "classifier");
}

DesktopNotifier &Services::desktopNotifier() const {
    return required(m_desktopNotifier, "desktopNotifier");
}

EventChannel &Services::events() const {
    return required(m_events, "events");
}

AppServices &Services::platform() const {
    return required(m_platform, "platform");
}

ScreenFactory &Services::screens() const {
    return required(m_screens, "screens");
}

TaskGroup &Services::tasks() const {
    return required(m_tasks, "tasks");
}

Services &Services::setNetwork(NetworkService &value) {
    m_network = &value;
    return *this;
}

Services &Services::setSecureStore(SecureStore &value) {
    m_secureStore = &value;
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

Services &Services::setPhotoDownloads(PhotoDownloader &value) {
    m_photoDownloads = &value;
    return *this;
}

Services &Services::setPhotoScaler(PhotoScaler &value) {
    m_photoScaler = &value;
    return *this;
}

Services &Services::setRecentPhotos(RecentPhotos &value) {
    m_recentPhotos = &value;
    return *this;
}

Services &Services::setClassifier(NsfwClassifier &value) {
    m_classifier = &value;
    return *this;
}

Services &Services::setEvents(EventChannel &value) {
    m_events = &value;
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

Services &Services::setTasks(TaskGroup &value) {
    m_tasks = &value;
    return *this;
}
