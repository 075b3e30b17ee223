// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FakeService.h"
#include "TourStops.h"
#include "api/NetworkService.h"
#include "app/TabBar.h"
#include "cards/ProfileCardModel.h"
#include "cardstackdemo/CardStackDemoVC.h"
#include "chats/ChatDetailsVC.h"
#include "details/ReportAlertVC.h"
#include "details/UserInfoVC.h"
#include "feed/MainVC.h"
#include "likes/LikesVC.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"
#include "ui/Services.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>

namespace {
constexpr int kPhotos = 6;

// People who liked the user, with photos, served on loopback so the likes and the profile go
// through their real loading paths.
FakeService &service() {
    static FakeService fake;
    static const bool started = [] {
        if (!fake.start())
            return false;
        const QList<CardModel> samples =
            CardStackDemoVC::sampleModels(kPhotos, qGuiApp->devicePixelRatio());
        for (int i = 0; i < kPhotos; ++i) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            samples.at(i).images.first().save(&buffer, "JPEG", 85);
            fake.respond(QStringLiteral("photo/%1").arg(i), 200, bytes);
        }
        return true;
    }();
    Q_UNUSED(started);
    return fake;
}

ProfileView person(int i) {
    const QStringList names = {QStringLiteral("Мария"),     QStringLiteral("Алина"),
                               QStringLiteral("Екатерина"), QStringLiteral("Соня"),
                               QStringLiteral("Вероника"),  QStringLiteral("Ира"),
                               QStringLiteral("Даша")};
    ProfileView profile;
    profile.userID = QStringLiteral("TOUR-LIKE-%1").arg(i);
    profile.name = names.value(i % names.size());
    profile.age = 22 + i;
    profile.bio = i == 0 ? QStringLiteral("Люблю горы, кофе по утрам и долгие прогулки по "
                                          "набережной. Ищу, с кем сходить на концерт.")
                         : QString();
    profile.distance = 1 + i * 2;
    profile.job = QStringLiteral("Дизайнер");
    profile.edu = QStringLiteral("МГУ");
    profile.city = QStringLiteral("Москва");
    const QString base = service().baseUrl();
    profile.photoURLs = QStringList{base + QStringLiteral("photo/%1").arg(i % kPhotos),
                                    base + QStringLiteral("photo/%1").arg((i + 1) % kPhotos)};
    profile.hasCheckmark = i % 3 == 0;
    return profile;
}

// The tab bar on the given tab, against the loopback service listing `likes` people.
TabBar *tabsWithLikes(int likes, int tab, const Services &services) {
    QJsonArray list;
    for (int i = 0; i < likes; ++i)
        list.append(person(i).toJson());
    service().respond(QStringLiteral("likes"), 200, QJsonDocument(list).toJson());
    services.network().setBaseUrl(service().baseUrl());
    settlePermissions(services);
    auto *tabs = new TabBar(services);
    tabs->loadViewIfNeeded();
    tabs->setSelectedIndex(tab);
    return tabs;
}

ViewController *feedDetails(TabBar *tabs, MainVC *feed, const ProfileView &profile,
                            ProfileCardModel::Distance distance) {
    feed->present(
        tabs->services().screens().createUserInfo(ProfileCardModel::make(profile, distance),
                                                  feed->profileAnswers(), false, tabs->services()),
        PresentationStyle::PageSheet, false);
    return tabs;
}

// The profile opened from the likes grid by the keyboard, once the grid has its cards.
ViewController *likesDetails(bool withReport, const Services &services) {
    TabBar *tabs = tabsWithLikes(7, TabBar::likesTab, services);
    auto *likes = qobject_cast<LikesVC *>(tabs->tabs().at(TabBar::likesTab));
    QTimer::singleShot(300, likes, [likes, withReport] {
        likes->setFocusedIndex(0);
        likes->handleKey(KeyCommand::Return); // shows the focus
        likes->handleKey(KeyCommand::Return);
        auto *info = qobject_cast<UserInfoVC *>(likes->presentedViewController());
        if (!info || !withReport)
            return;
        info->rowSelected(info->rows()->find(RowModel::Kind::DestructiveButton));
        if (auto *alert = qobject_cast<ReportAlertVC *>(info->presentedViewController()))
            alert->setReason(QStringLiteral("Присылает спам"));
    });
    return tabs;
}
} // namespace

QList<TourStop> detailsStops() {
    return {
        {QStringLiteral("likes-empty"),
         [](const Services &services) { return tabsWithLikes(0, TabBar::likesTab, services); }},
        {QStringLiteral("likes-full"),
         [](const Services &services) { return tabsWithLikes(7, TabBar::likesTab, services); }},
        {QStringLiteral("details-likes"),
         [](const Services &services) { return likesDetails(false, services); }},
        {QStringLiteral("details-report"),
         [](const Services &services) { return likesDetails(true, services); }},
        {QStringLiteral("details-feed"),
         [](const Services &services) {
             TabBar *tabs = tabsWithLikes(0, TabBar::feedTab, services);
             auto *feed = qobject_cast<MainVC *>(tabs->tabs().at(TabBar::feedTab));
             return feedDetails(tabs, feed, person(0), ProfileCardModel::Distance::FromYou);
         }},
        {QStringLiteral("details-chat"),
         [](const Services &services) {
             TabBar *tabs = tabsWithLikes(0, TabBar::chatTab, services);
             auto *nav = qobject_cast<NavigationContainer *>(tabs->selectedTab());
             Match match;
             match.id = QUuid::createUuid();
             match.chatID = QUuid::createUuid();
             match.profile = person(1);
             match.profile.photoURLs = QStringList{QStringLiteral("not an address")};
             auto *conversation = new ChatDetailsVC(match, services);
             conversation->setHidesTabBar(true);
             nav->push(conversation, false);
             conversation->titleTapped();
             return tabs;
         }},
    };
}
