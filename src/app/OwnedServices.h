// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/Services.h"

#include <memory>

// The one instance of each client service for a run of the application, owned here and handed
// to the screens as a `Services`. The settings, files and caches they use are the user's own;
// a test makes its set inside a throw-away home and replaces parts of it with doubles.
class OwnedServices {
public:
    OwnedServices();
    ~OwnedServices();
    OwnedServices(const OwnedServices &) = delete;
    OwnedServices &operator=(const OwnedServices &) = delete;

    /// What screens are given; it lives as long as this object.
    [[nodiscard]] const Services &services() const { return m_services; }

private:
    std::unique_ptr<NetworkService> m_network;
    std::unique_ptr<SecureStore> m_secureStore;
    std::unique_ptr<UserManager> m_user;
    std::unique_ptr<ChatCashManager> m_savedMatches;
    std::unique_ptr<UnsentMessages> m_unsentMessages;
    std::unique_ptr<ImageCacheManager> m_images;
    std::unique_ptr<PhotoScaler> m_photoScaler;
    std::unique_ptr<RecentPhotos> m_recentPhotos;
    std::unique_ptr<NsfwClassifier> m_classifier;
    std::unique_ptr<DesktopNotifier> m_desktopNotifier;
    std::unique_ptr<EventChannel> m_events;
    std::unique_ptr<AppServices> m_platform;
    std::unique_ptr<ScreenFactory> m_screens;
    // After the image cache, so its thread has ended before the cache its work fills goes.
    std::unique_ptr<PhotoDownloader> m_photoDownloads;
    // Last, so its work ends before anything it may use goes.
    std::unique_ptr<TaskGroup> m_tasks;
    Services m_services;
};
