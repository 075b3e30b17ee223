// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ChatTestData.h"
#include "FakeService.h"
#include "StdoutCapture.h"
#include "TestServices.h"
#include "api/NetworkService.h"
#include "chats/ChatsVC.h"
#include "chats/MatchListModel.h"
#include "platform/DesktopNotifier.h"
#include "store/ChatCashManager.h"
#include "ui/NavigationContainer.h"
#include "ui/TabContainer.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ChatTestData;

class TestChatsList : public QObject {
    Q_OBJECT

    TestServices m_services;

    QTemporaryDir m_dir;
    std::unique_ptr<FakeService> m_fake;
    std::unique_ptr<NetworkService> m_network;
    std::unique_ptr<ChatCashManager> m_cache;

    std::unique_ptr<ChatsVC> makeScreen() {
        return std::make_unique<ChatsVC>(
            m_services.services().setSavedMatches(*m_cache).setNetwork(*m_network));
    }
    static bool settled(ChatsVC &screen) {
        return QTest::qWaitFor([&] { return !screen.isLoading(); }, 5000);
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        m_fake = std::make_unique<FakeService>();
        QVERIFY(m_fake->start());
        m_network = m_fake->client();
        m_cache = std::make_unique<ChatCashManager>(std::make_unique<QSettings>(
            m_dir.filePath(QStringLiteral("defaults-%1.ini").arg(QTest::currentTestFunction())),
            QSettings::IniFormat));
    }

    void firstStartWithoutCachePagesUntilAShortPage() {
        auto screen = makeScreen();
        QVERIFY(screen->tableHidden());
        m_fake->respond(QStringLiteral("chats?page=1"), 200, json(matches(0, 20)));
        screen->loadViewIfNeeded();
        QVERIFY(screen->isLoading());
        QVERIFY(settled(*screen));
        QCOMPARE(screen->data().size(), 20);
        QVERIFY(!screen->tableHidden());
        QVERIFY(screen->hasMoreData());

        // Far from the bottom nothing happens; near it the next page is asked for.
        screen->didScroll(100, 1600, 500);
        QCOMPARE(screen->currentPage(), 1);
        m_fake->respond(QStringLiteral("chats?page=2"), 200, "[]");
        screen->didScroll(1001, 1600, 500);
        QVERIFY(settled(*screen));
        QCOMPARE(m_fake->targets(QStringLiteral("chats")),
                 QStringList({"chats?page=1&perPage=20", "chats?page=2&perPage=20"}));
        QVERIFY(!screen->hasMoreData());
        QCOMPARE(screen->data().size(), 20);
        screen->didScroll(1001, 1600, 500);
        QCOMPARE(m_fake->targets(QStringLiteral("chats")).size(), 2);
    }

    void cachedRowsShowAtOnceAndRefreshAsksForTheWholeList() {
        m_cache->save(matches(100, 25)); // only 20 are kept
        auto screen = makeScreen();
        QCOMPARE(screen->data(), matches(100, 20));
        m_fake->respond(QStringLiteral("chats?page=1"), 200, json(matches(0, 20)));
        m_fake->respond(QStringLiteral("chats?page=2"), 200, json(matches(20, 20)));
        screen->loadViewIfNeeded();
        QVERIFY(!screen->tableHidden());
        QVERIFY(settled(*screen));
        screen->didScroll(1200, 1600, 500);
        QVERIFY(settled(*screen));
        QCOMPARE(screen->data(), matches(0, 40));
        QCOMPARE(m_cache->load(), matches(0, 20));

        m_fake->respond(QStringLiteral("chats?page=1&perPage=40"), 200, json(matches(50, 40)));
        screen->refresh();
        QTRY_COMPARE(screen->data(), matches(50, 40)); // answered only to perPage=40
        QCOMPARE(m_cache->load(), matches(50, 20));
        QCOMPARE(screen->currentPage(), 2);
        QVERIFY(screen->hasMoreData());
    }

    // Past the 200 matches the service gives in one page, the refresh asks page by page and
    // keeps every row.
    void aLongListIsRefreshedInPagesTheServiceGivesWhole() {
        auto screen = makeScreen();
        m_fake->respond(QStringLiteral("chats?page="), 200, json(matches(0, 20)));
        screen->loadViewIfNeeded();
        QVERIFY(settled(*screen));
        while (screen->data().size() < 260) {
            screen->didScroll(100000, 100500, 500);
            QVERIFY(settled(*screen));
        }
        m_fake->clearRequests();
        m_fake->respond(QStringLiteral("chats?page=1&perPage=200"), 200, json(matches(1000, 200)));
        m_fake->respond(QStringLiteral("chats?page=2&perPage=200"), 200, json(matches(1200, 60)));
        screen->refresh();
        QTRY_COMPARE(screen->data(), matches(1000, 260));
        QCOMPARE(m_fake->targets(QStringLiteral("chats")),
                 QStringList({QStringLiteral("chats?page=1&perPage=200"),
                              QStringLiteral("chats?page=2&perPage=200")}));
    }

    // A refresh changes the rows in place (moves, inserts, removals, changed lines) and never
    // resets the list, so the view keeps its scroll position and its rows; whatever the old
    // and new lists, the rows end as the new list.
    void rowsAreUpdatedInPlace() {
        MatchListModel rows;
        QAbstractItemModelTester tester(&rows,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&rows, &QAbstractItemModel::modelReset);
        QSignalSpy moves(&rows, &QAbstractItemModel::rowsMoved);
        QSignalSpy changes(&rows, &QAbstractItemModel::dataChanged);
        rows.setMatches(matches(0, 5));
        QList<Match> next = matches(0, 5);
        next.move(3, 0);
        next[2].isUnread = true;
        rows.setMatches(next);
        QCOMPARE(rows.matches(), next);
        QCOMPARE(moves.size(), 1);
        QCOMPARE(changes.size(), 1);

        QRandomGenerator random(7);
        for (int round = 0; round < 200; ++round) {
            QList<Match> list;
            for (int i = 0, n = random.bounded(12); i < n; ++i) {
                Match m = match(random.bounded(10), random.bounded(2) == 1);
                if (!list.contains(m) || random.bounded(4) == 0)
                    list.append(m);
            }
            rows.setMatches(list);
            QCOMPARE(rows.matches(), list);
        }
        QCOMPARE(resets.size(), 0);
    }

    void refreshIsSkippedWhileAPageLoadsAndErrorsKeepTheList() {
        auto screen = makeScreen();
        m_fake->respond(QStringLiteral("chats?page=1"), 200, json(matches(0, 20)));
        screen->loadViewIfNeeded();
        QVERIFY(settled(*screen));
        m_fake->respondDelayed(QStringLiteral("chats?page=2"), std::chrono::milliseconds(400), 500,
                               R"({"reason":"Сбой","error":true})");
        screen->didScroll(1200, 1600, 500);
        screen->refresh();
        QTest::qWait(100);
        QCOMPARE(m_fake->targets(QStringLiteral("chats")).size(), 2);
        StdoutCapture log;
        QVERIFY(settled(*screen));
        QVERIFY(log.text().contains(u"Сбой"));
        QCOMPARE(screen->data(), matches(0, 20));
        QCOMPARE(screen->currentPage(), 2);
        screen->refresh();
        QTRY_COMPARE(m_fake->targets(QStringLiteral("chats")).size(), 3);
    }

    void badgeCountsUnreadOnTheChatTab() {
        TabContainer tabs;
        auto *list = makeScreen().release();
        tabs.setTabs({new ViewController(QStringLiteral("A")),
                      new ViewController(QStringLiteral("B")), new NavigationContainer(list)});
        m_fake->respond(QStringLiteral("chats?page=1"), 200, json(matches(0, 5, {1, 2, 4})));
        list->loadViewIfNeeded();
        QTRY_COMPARE(tabs.badges().value(2), QStringLiteral("3"));
        QCOMPARE(list->rows()->data(list->rows()->index(2), MatchListModel::LastMessageRole),
                 QStringLiteral("Сообщение 1"));

        // The conversation on view is being read, whatever a refresh that raced its own fetch
        // says, and stays read once it is closed.
        const auto unread = [list](int row) {
            return list->rows()->data(list->rows()->index(row), MatchListModel::UnreadRole);
        };
        list->selectRow(1);
        QCOMPARE(tabs.badges().value(2), QStringLiteral("2"));
        QCOMPARE(unread(1), QVariant(false));
        m_fake->respond(QStringLiteral("chats?page=1&perPage=20"), 200,
                        json(matches(0, 5, {1, 2, 3, 4})));
        list->refresh();
        QTRY_COMPARE(tabs.badges().value(2), QStringLiteral("3"));
        QCOMPARE(unread(1), QVariant(false));
        list->navigationContainer()->pop(false);
        QCOMPARE(unread(1), QVariant(false));
        QCOMPARE(unread(3), QVariant(true));
        QCOMPARE(tabs.badges().value(2), QStringLiteral("3"));

        m_fake->respond(QStringLiteral("chats?page=1&perPage=20"), 200, json(matches(0, 5)));
        list->refresh();
        QTRY_COMPARE(tabs.badges().value(2), QString());
    }

    void notificationsFindTheirConversation() {
        auto *list = makeScreen().release();
        NavigationContainer nav(list);
        m_cache->save({});
        m_fake->respond(QStringLiteral("chats?page=1"), 200, json(matches(0, 3)));
        list->loadViewIfNeeded();
        QVERIFY(settled(*list));
        QCOMPARE(list->conversationFor(numbered(2, 7)), nullptr);
        std::unique_ptr<ViewController> found(list->conversationFor(numbered(2, 2)));
        QCOMPARE(found->typeName(), QStringLiteral("ChatDetailsVC"));
    }

    void awayUserHearsOfNewPairsAndNewUnreadMessages() {
        QList<Match> before = matches(0, 3, {2});
        QList<Match> now = before;
        now[0].isUnread = true;                                        // became unread
        now[2].messages.append(message(9, {}, QStringLiteral("Ещё"))); // more unread
        now.append(match(5));                                          // new pair
        const QList<Match> fresh = ChatsVC::freshActivity(before, now);
        QCOMPARE(fresh.size(), 3);
        QCOMPARE(fresh.at(2).chatID, numbered(2, 5));
        QVERIFY(ChatsVC::freshActivity(now, now).isEmpty());

        // Without the user's permission nothing reaches the desktop.
        DesktopNotifier notifier(std::make_unique<QSettings>(
            m_dir.filePath(QStringLiteral("notify.ini")), QSettings::IniFormat));
        QVERIFY(!notifier.isAllowed());
        QVERIFY(!notifier.announce(QStringLiteral("Новая пара"), {}, fresh.first().chatID));
    }

    void unreadableCacheIsEmpty() {
        QSettings settings(m_dir.filePath(QStringLiteral("broken.ini")), QSettings::IniFormat);
        settings.setValue(ChatCashManager::key(), QByteArray(R"([{"chatID":7}])"));
        settings.sync();
        ChatCashManager cache(
            std::make_unique<QSettings>(settings.fileName(), QSettings::IniFormat));
        StdoutCapture log;
        QCOMPARE(cache.load(), std::nullopt);
        QVERIFY(log.text().startsWith(u"Ошибка при загрузке matches: "));
        // Loading waits for the save still being written.
        cache.save({match(1, false, 1)});
        QCOMPARE(cache.load(), QList<Match>({match(1, false, 1)}));
    }
};

QTEST_MAIN(TestChatsList)
#include "tst_chatslist.moc"
