// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "app/TabBar.h"

#include "api/Endpoints.h"
#include "api/EventChannel.h"
#include "chats/ChatsVC.h"
#include "feed/MainVC.h"
#include "likes/LikesVC.h"
#include "store/UserManager.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

TabBar::TabBar(Services services, QObject *parent)
    : TabContainer(QStringLiteral("TabBar"), std::move(services), parent) {}

// The channel belongs to a signed-in person, whose screen this is.
TabBar::~TabBar() {
    services().events().close();
}

void TabBar::viewDidLoad() {
    // The record is replaced for everyone, so the answer is handled even after this screen is
    // gone; a failure only leaves the stored record in place.
    Endpoints::user(
        [self = QPointer<TabBar>(this), users = &services().user()](const Result<User> &result) {
            QMetaObject::invokeMethod(qApp, [self, users, result] {
                if (auto *feed =
                        self ? qobject_cast<MainVC *>(self->tabs().value(feedTab)) : nullptr)
                    feed->userAnswered(result.ok());
                users->fetchedUserUpdate(result);
            });
        },
        services().network());

    using Screen = ScreenFactory::Screen;
    const ScreenFactory &factory = services().screens();
    ViewController *feed = factory.create(Screen::Feed, services());
    // Its first profiles travel with the user's record instead of waiting for it.
    auto *mainFeed = qobject_cast<MainVC *>(feed);
    if (mainFeed)
        mainFeed->prefetchProfiles();
    ViewController *likes = factory.create(Screen::Likes, services());
    ViewController *chats = factory.create(Screen::Chats, services());
    connectMatches(mainFeed, qobject_cast<LikesVC *>(likes), qobject_cast<ChatsVC *>(chats));
    ViewController *profile = factory.create(Screen::Profile, services());
    auto *chatStack = new NavigationContainer(chats);
    chatStack->setSplits(true);
    feed->setTitle(tr("Находки"));
    likes->setTitle(tr("Лайки"));
    chatStack->setTitle(tr("Чат"));
    profile->setTitle(tr("Профиль"));
    setTabs({feed, likes, chatStack, profile},
            {QStringLiteral("flame.fill"), QStringLiteral("heart.fill"),
             QStringLiteral("bubble.left.and.bubble.right.fill"), QStringLiteral("person.fill")});
    // Their loading, timers and badges must run before the user first opens those tabs.
    likes->loadViewIfNeeded();
    chats->loadViewIfNeeded();
    // The channel only spares the screens their polling, which they keep up until it is live
    // and then catch up on at once. Opened a moment after the screen, its socket's TLS set-up
    // (milliseconds of loading) stays clear of the first frame.
    QTimer::singleShot(kChannelDelay, this, [this] { services().events().open(); });
    showOwner();
    connect(&services().user(), &UserManager::userChanged, this, &TabBar::showOwner);
}

void TabBar::connectMatches(MainVC *feed, LikesVC *likes, ChatsVC *chats) {
    // A match made on one tab changes what the others list.
    if (feed && likes)
        connect(feed, &MainVC::matchCreated, likes, &LikesVC::updateData);
    if (feed && chats)
        connect(feed, &MainVC::matchCreated, chats, &ChatsVC::refresh);
    if (likes && chats)
        connect(likes, &LikesVC::matchCreated, chats, &ChatsVC::refresh);
}

void TabBar::showOwner() {
    const User user = services().user().currentUser();
    setOwner(user.name, user.photoUrls.value(0));
}

bool TabBar::handleKey(KeyCommand command) {
    if (command != KeyCommand::Settings)
        return false;
    present(new NavigationContainer(services().screens().createSettings(true, services())),
            PresentationStyle::PageSheet, true);
    return true;
}
