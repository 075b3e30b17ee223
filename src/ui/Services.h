// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

class AppServices;
class ChatCashManager;
class DesktopNotifier;
class EventChannel;
class ImageCacheManager;
class NetworkService;
class NsfwClassifier;
class PhotoDownloader;
class PhotoScaler;
class RecentPhotos;
class ScreenFactory;
class SecureStore;
class TaskGroup;
class UnsentMessages;
class UserManager;

// What a screen reaches the rest of the client through. The application owns one instance of
// each and hands the set to the screens it makes; a screen hands its own set on to the helpers
// and screens it makes. A test makes its own set and replaces the parts it watches with doubles.
class Services {
public:
    [[nodiscard]] NetworkService &network() const;
    [[nodiscard]] SecureStore &secureStore() const;
    [[nodiscard]] UserManager &user() const;
    [[nodiscard]] ChatCashManager &savedMatches() const;
    [[nodiscard]] UnsentMessages &unsentMessages() const;
    [[nodiscard]] ImageCacheManager &images() const;
    /// The thread photos are downloaded and decoded on.
    [[nodiscard]] PhotoDownloader &photoDownloads() const;
    /// Photos scaled to the cards that show them.
    [[nodiscard]] PhotoScaler &photoScaler() const;
    /// The photos of the last cards, for a card made again.
    [[nodiscard]] RecentPhotos &recentPhotos() const;
    /// The on-device check of a photo for nudity, with its model read once.
    [[nodiscard]] NsfwClassifier &classifier() const;
    [[nodiscard]] DesktopNotifier &desktopNotifier() const;
    /// The service's live events for the signed-in person.
    [[nodiscard]] EventChannel &events() const;
    /// The platform's services: cloud account, attestation, location, notifications, links.
    [[nodiscard]] AppServices &platform() const;
    [[nodiscard]] ScreenFactory &screens() const;
    /// Background work of the screens, which the application waits for before it ends.
    [[nodiscard]] TaskGroup &tasks() const;

    Services &setNetwork(NetworkService &value);
    Services &setSecureStore(SecureStore &store);
    Services &setUser(UserManager &user);
    Services &setSavedMatches(ChatCashManager &matches);
    Services &setUnsentMessages(UnsentMessages &messages);
    Services &setImages(ImageCacheManager &images);
    Services &setPhotoDownloads(PhotoDownloader &downloads);
    Services &setPhotoScaler(PhotoScaler &scaler);
    Services &setRecentPhotos(RecentPhotos &photos);
    Services &setClassifier(NsfwClassifier &classifier);
    Services &setDesktopNotifier(DesktopNotifier &notifier);
    Services &setEvents(EventChannel &events);
    Services &setPlatform(AppServices &platform);
    Services &setScreens(ScreenFactory &screens);
    Services &setTasks(TaskGroup &tasks);

private:
    NetworkService *m_network = nullptr;
    SecureStore *m_secureStore = nullptr;
    UserManager *m_user = nullptr;
    ChatCashManager *m_savedMatches = nullptr;
    UnsentMessages *m_unsentMessages = nullptr;
    ImageCacheManager *m_images = nullptr;
    PhotoDownloader *m_photoDownloads = nullptr;
    PhotoScaler *m_photoScaler = nullptr;
    RecentPhotos *m_recentPhotos = nullptr;
    NsfwClassifier *m_classifier = nullptr;
    DesktopNotifier *m_desktopNotifier = nullptr;
    EventChannel *m_events = nullptr;
    AppServices *m_platform = nullptr;
    ScreenFactory *m_screens = nullptr;
    TaskGroup *m_tasks = nullptr;
};
