// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "app/OwnedServices.h"

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

#include <QSettings>

OwnedServices::OwnedServices()
    : m_network(std::make_unique<NetworkService>())
    , m_secureStore(std::make_unique<SecureStore>(SecureStore::desktopBackend()))
    , m_user(std::make_unique<UserManager>(std::make_unique<QSettings>()))
    , m_savedMatches(std::make_unique<ChatCashManager>(std::make_unique<QSettings>()))
    , m_unsentMessages(std::make_unique<UnsentMessages>(UnsentMessages::defaultFile()))
    , m_photoScaler(std::make_unique<PhotoScaler>())
    , m_recentPhotos(std::make_unique<RecentPhotos>())
    , m_classifier(std::make_unique<NsfwClassifier>())
    , m_desktopNotifier(std::make_unique<DesktopNotifier>(std::make_unique<QSettings>()))
    , m_events(std::make_unique<EventChannel>(*m_network))
    , m_platform(std::make_unique<AppServices>())
    , m_screens(std::make_unique<ScreenFactory>())
    , m_photoDownloads(std::make_unique<PhotoDownloader>())
    , m_tasks(std::make_unique<TaskGroup>()) {
    m_images = std::make_unique<ImageCacheManager>(*m_photoDownloads,
                                                   ImageCacheManager::defaultDirectory());
    m_services.setNetwork(*m_network)
        .setSecureStore(*m_secureStore)
        .setUser(*m_user)
        .setSavedMatches(*m_savedMatches)
        .setUnsentMessages(*m_unsentMessages)
        .setImages(*m_images)
        .setPhotoDownloads(*m_photoDownloads)
        .setPhotoScaler(*m_photoScaler)
        .setRecentPhotos(*m_recentPhotos)
        .setClassifier(*m_classifier)
        .setDesktopNotifier(*m_desktopNotifier)
        .setEvents(*m_events)
        .setPlatform(*m_platform)
        .setScreens(*m_screens)
        .setTasks(*m_tasks);
}

OwnedServices::~OwnedServices() = default;
