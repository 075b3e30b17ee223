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

void AppScreens::install() {
    using Screen = ScreenFactory::Screen;
    ScreenFactory &factory = ScreenFactory::shared();
    factory.install(Screen::Start, [] { return new StartVC(); });
    factory.install(Screen::NameInput, [] { return new NameInputVC(); });
    factory.install(Screen::Geo, [] { return new GeoVC(GeoVC::GeoType::first); });
    factory.install(Screen::Notification, [] { return new NotificationVC(); });
    factory.install(Screen::PhotoGrid,
                    [] { return new PhotoGridVC(ImageCropperVC::onDeviceScreening()); });
    factory.install(Screen::Restore, [] { return new RestoreVC(); });
    factory.install(Screen::DeleteAccount, [] { return new DeleteAccountVC(); });
    factory.install(Screen::Chats, [] { return new ChatsVC(); });
    factory.install(Screen::Feed, [] { return new MainVC(); });
    factory.install(Screen::Main, [] { return new TabBar(); });
    factory.install(Screen::Likes, [] { return new LikesVC(); });
    factory.install(Screen::Profile,
                    [] { return new ProfileVC(ImageCropperVC::onDeviceScreening()); });
    factory.installChatDetails([](const Match &match) { return new ChatDetailsVC(match); });
    factory.installUserInfo([](const CardModel &model, ButtonStackViewDelegate *mainVC,
                               bool reportRow, const Services &services) {
        return new UserInfoVC(model, mainVC, reportRow, services);
    });
    factory.installSettings([](bool isMain) { return new SettingsVC(isMain); });
}
