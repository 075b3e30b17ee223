// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "app/AppScreens.h"

#include "account/DeleteAccountVC.h"
#include "account/RestoreVC.h"
#include "account/StartVC.h"
#include "app/TabBar.h"
#include "chats/ChatDetailsVC.h"
#include "chats/ChatsVC.h"
#include "details/UserInfoVC.h"
#include "feed/MainVC.h"
#include "likes/LikesVC.h"
#include "onboarding/GeoVC.h"
#include "onboarding/NameInputVC.h"
#include "onboarding/NotificationVC.h"
#include "onboarding/PhotoGridVC.h"
#include "profile/ProfileVC.h"
#include "settings/SettingsVC.h"
#include "ui/ScreenFactory.h"

void AppScreens::install(ScreenFactory &factory) {
    using Screen = ScreenFactory::Screen;
    using S = const Services &;
    factory.install(Screen::Start, [](S services) { return new StartVC(services); });
    factory.install(Screen::NameInput, [](S services) { return new NameInputVC(services); });
    factory.install(Screen::Geo,
                    [](S services) { return new GeoVC(GeoVC::GeoType::first, services); });
    factory.install(Screen::Notification, [](S services) { return new NotificationVC(services); });
    factory.install(Screen::PhotoGrid, [](S services) {
        return new PhotoGridVC(ImageCropperVC::onDeviceScreening(services.classifier()), services);
    });
    factory.install(Screen::Restore, [](S services) { return new RestoreVC(services); });
    factory.install(Screen::DeleteAccount,
                    [](S services) { return new DeleteAccountVC(services); });
    factory.install(Screen::Chats, [](S services) { return new ChatsVC(services); });
    factory.install(Screen::Feed, [](S services) { return new MainVC(services); });
    factory.install(Screen::Main, [](S services) { return new TabBar(services); });
    factory.install(Screen::Likes, [](S services) { return new LikesVC(services); });
    factory.install(Screen::Profile, [](S services) {
        return new ProfileVC(ImageCropperVC::onDeviceScreening(services.classifier()), services);
    });
    factory.installChatDetails(
        [](const Match &match, S services) { return new ChatDetailsVC(match, services); });
    factory.installUserInfo(
        [](const CardModel &model, ProfileAnswers answers, bool reportRow, S services) {
            return new UserInfoVC(model, std::move(answers), reportRow, services);
        });
    factory.installSettings(
        [](bool isMain, S services) { return new SettingsVC(isMain, services); });
}
