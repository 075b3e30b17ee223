// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ChatTestData.h"
#include "FakeService.h"
#include "Fixtures.h"
#include "StandInVC.h"
#include "TestServices.h"
#include "api/NetworkService.h"
#include "app/AppScreens.h"
#include "app/TabBar.h"
#include "chats/ChatsVC.h"
#include "controls/SymbolIcons.h"
#include "feed/MainVC.h"
#include "likes/LikesVC.h"
#include "store/UserManager.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class TestTabBar : public QObject {
    Q_OBJECT

    TestServices m_services;

    FakeService m_fake;

    static NavigationContainer *chatStack(TabBar &tabs) {
        return qobject_cast<NavigationContainer *>(tabs.tabs().at(TabBar::chatTab));
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        AppScreens::install(m_services.services().screens());
        QVERIFY(m_fake.start());
        m_services.services().network().setBaseUrl(m_fake.baseUrl());
        m_services.services().network().setPaseto(QStringLiteral("zrl.test"));
        // The feed, likes and profile tabs are drawn by their own screens; here only their
        // place and loading matter.
        using Screen = ScreenFactory::Screen;
        for (Screen screen : {Screen::Feed, Screen::Likes, Screen::Profile})
            m_services.services().screens().install(screen, [screen](const Services &) {
                return new StandInVC(ScreenFactory::typeName(screen));
            });
    }

    void init() {
        m_fake.clearRequests();
        m_fake.respond(QStringLiteral("chats"), 200, "[]");
    }

    void startFetchesTheUserOnceAndStartsTheBackgroundTabs() {
        m_fake.respond(QStringLiteral("user"), 200, Fixtures::bytes(QStringLiteral("user.json")));
        m_services.services().user().setCurrentUser(UserManager::initialUser());
        const QSignalSpy updates(&m_services.services().user(), &UserManager::userChanged);

        TabBar tabs(m_services.services());
        tabs.loadViewIfNeeded();

        QStringList types;
        for (ViewController *tab : tabs.tabs())
            types << (tab->visibleChild() ? tab->visibleChild() : tab)->typeName();
        QCOMPARE(types, QStringList({"MainVC", "LikesVC", "ChatsVC", "ProfileVC"}));
        // A misspelt name would leave its tab without a picture, and nothing would say so.
        for (const QString &icon : tabs.icons())
            QVERIFY2(!SymbolIcons::source(icon, Qt::black, false).isEmpty(), qPrintable(icon));
        QCOMPARE(tabs.selectedIndex(), TabBar::feedTab);
        // Likes and chats start their loading at once; the profile waits to be opened.
        QVERIFY(tabs.tabs().at(TabBar::likesTab)->isViewLoaded());
        QVERIFY(chatStack(tabs)->stack().first()->isViewLoaded());
        QVERIFY(!tabs.tabs().at(TabBar::profileTab)->isViewLoaded());

        QTRY_COMPARE(m_services.services().user().currentUser().name, QStringLiteral("Алина"));
        QCOMPARE(updates.size(), 1);
        QCOMPARE(m_fake.requestsTo(QStringLiteral("user")).size(), 1);
        tabs.setSelectedIndex(TabBar::profileTab);
        QVERIFY(tabs.tabs().at(TabBar::profileTab)->isViewLoaded());
        // The live channel opens for the signed-in person a moment after the screen.
        QTRY_VERIFY(!m_fake.requestsTo(QStringLiteral("events")).isEmpty());
    }

    // A screen gone before its channel was due, as when signing out at once, leaves it shut.
    void aScreenGoneEarlyLeavesTheChannelShut() {
        m_fake.respond(QStringLiteral("user"), 200, Fixtures::bytes(QStringLiteral("user.json")));
        {
            TabBar tabs(m_services.services());
            tabs.loadViewIfNeeded();
        }
        QTest::qWait(int(TabBar::kChannelDelay.count()) + 500);
        QVERIFY(m_fake.requestsTo(QStringLiteral("events")).isEmpty());
    }

    // A match made on the feed changes the likes and the matches list, one made on the likes
    // tab the matches list: each asks the service again at once.
    void aMatchOnOneTabRefreshesTheOthers() {
        m_fake.respond(QStringLiteral("user"), 200, Fixtures::bytes(QStringLiteral("user.json")));
        m_fake.respond(QStringLiteral("likes"), 200, "[]");
        ScreenFactory screens;
        AppScreens::install(screens);
        TabBar tabs(m_services.services().setScreens(screens));
        tabs.loadViewIfNeeded();
        auto *feed = qobject_cast<MainVC *>(tabs.tabs().at(TabBar::feedTab));
        auto *likes = qobject_cast<LikesVC *>(tabs.tabs().at(TabBar::likesTab));
        auto *chats = qobject_cast<ChatsVC *>(chatStack(tabs)->stack().first());
        QVERIFY(feed && likes && chats);
        const auto asked = [this](const char *path) {
            return m_fake.requestsTo(QString::fromLatin1(path)).size();
        };
        QTRY_VERIFY(asked("likes") == 1 && !chats->isLoading());

        const qsizetype chatPages = asked("chats");
        m_fake.respond(QStringLiteral("chats"), 200,
                       ChatTestData::json(ChatTestData::matches(0, 1)));
        emit feed->matchCreated();
        QTRY_VERIFY(asked("likes") == 2 && chats->data().size() == 1);
        emit likes->matchCreated();
        QTRY_COMPARE(asked("chats"), chatPages + 2);
        QCOMPARE(asked("likes"), 2);
    }

    void barFollowsTheScreenInFrontOfTheSelectedTab() {
        TabBar tabs(m_services.services());
        tabs.loadViewIfNeeded();
        int changes = 0;
        connect(&tabs, &TabContainer::barHiddenChanged, this, [&] { ++changes; });
        tabs.setSelectedIndex(TabBar::chatTab);
        QVERIFY(!tabs.barHidden());

        auto *conversation = new StandInVC(QStringLiteral("ChatDetailsVC"));
        conversation->setHidesTabBar(true);
        chatStack(tabs)->push(conversation, false);
        QVERIFY(tabs.barHidden());
        tabs.setSelectedIndex(TabBar::feedTab);
        QVERIFY(!tabs.barHidden());
        tabs.setSelectedIndex(TabBar::chatTab);
        QVERIFY(tabs.barHidden());
        conversation->setHidesTabBar(false);
        QVERIFY(!tabs.barHidden());
        conversation->setHidesTabBar(true);
        chatStack(tabs)->pop(false);
        QVERIFY(!tabs.barHidden());
        QVERIFY(changes >= 6);
    }
};

QTEST_MAIN(TestTabBar)
#include "tst_tabbar.moc"
