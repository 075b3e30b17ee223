// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ChatTestData.h"
#include "DrawnWindow.h"
#include "FakeService.h"
#include "Fixtures.h"
#include "TestServices.h"
#include "api/NetworkService.h"
#include "chats/ChatDetailsVC.h"
#include "chats/ChatsVC.h"
#include "store/ChatCashManager.h"
#include "ui/NavigationContainer.h"

#include <QQuickItem>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ChatTestData;

// The conversation as drawn: it opens at the newest message, and an older page loaded while
// the user reads the top goes in above without moving what they read.
class TestChatsView : public QObject {
    Q_OBJECT

    TestServices m_services;

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A peer's name and message that look like markup are shown as typed: nothing is fetched,
    // styled or opened because of them, in the list or in the conversation.
    void markupFromOthersIsShownAsTyped() {
        const QString name = QStringLiteral("<font size=7 color=red>Маша</font>");
        const QString content = QStringLiteral("<img src=\"file:///etc/passwd\"><b>привет</b>");
        Match hostile = match(1);
        hostile.profile.name = name;
        hostile.messages.append(message(1, numbered(4, 1), content));
        QTemporaryDir dir;
        ChatCashManager cache(std::make_unique<QSettings>(dir.filePath(QStringLiteral("m.ini")),
                                                          QSettings::IniFormat));
        cache.save({hostile});
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show());
        auto *list = new ChatsVC(m_services.services().setSavedMatches(cache));
        drawn.window().setRoot(new NavigationContainer(list));
        const auto shownPlain = [&](const QString &text) {
            QQuickItem *item = nullptr;
            return QTest::qWaitFor([&] { return (item = drawn.findWith("text", text)); }) &&
                   item->property("textFormat").toInt() == Qt::PlainText;
        };
        QVERIFY(shownPlain(name));
        QVERIFY(shownPlain(content));

        list->navigationContainer()->push(new ChatDetailsVC(hostile, m_services.services()), false);
        QQuickItem *bubble = nullptr;
        QTRY_VERIFY((bubble = drawn.findWith("content", content)));
        const auto texts = bubble->findChildren<QQuickItem *>();
        QVERIFY(std::any_of(texts.cbegin(), texts.cend(), [&](QQuickItem *item) {
            return item->property("text").toString() == content &&
                   item->property("textFormat").toInt() == Qt::PlainText;
        }));
    }

    void olderMessagesGoInAboveWithoutMovingTheShownOnes() {
        FakeService fake;
        QVERIFY(fake.start());
        QList<Message> older;
        for (int i = 0; i < 30; ++i)
            older.append(message(i, numbered(4, 1), QStringLiteral("Старое %1").arg(i)));
        fake.respondDelayed(QStringLiteral("chats/"), std::chrono::milliseconds(300), 200,
                            json(older));
        m_services.services().network().setBaseUrl(fake.baseUrl());
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show());
        Match lengthy = match(1);
        for (int i = 0; i < 20; ++i)
            lengthy.messages.append(
                message(100 + i, numbered(4, 1), QStringLiteral("Новое %1").arg(i)));
        auto *conversation = new ChatDetailsVC(lengthy, m_services.services());
        QSignalSpy toBottom(conversation, &ChatDetailsVC::scrollToBottomRequested);
        drawn.window().setRoot(new NavigationContainer(conversation));
        // The user reads the top only after the opening scroll to the newest message.
        QTRY_VERIFY(std::any_of(toBottom.cbegin(), toBottom.cend(),
                                [](const QList<QVariant> &call) { return call.at(0).toBool(); }));

        QQuickItem *newest = nullptr;
        QTRY_VERIFY((newest = drawn.findWith("content", QStringLiteral("Новое 19"))));
        QTRY_VERIFY(newest->mapToScene({0, 0}).y() > 600);
        QQuickItem *table = newest->parentItem()->parentItem();
        QVERIFY(table->inherits("QQuickListView"));
        table->setProperty("contentY", table->property("originY"));
        QQuickItem *shown = nullptr;
        QTRY_VERIFY((shown = drawn.findWith("content", QStringLiteral("Новое 0"))));
        const qreal before = shown->mapToScene({0, 0}).y();
        QTRY_COMPARE(conversation->messages().size(), 50);
        QTest::qWait(100);
        QCOMPARE(shown->mapToScene({0, 0}).y(), before);
    }

    // In a narrow window a long name ends in an ellipsis before the row's edge and, in the
    // conversation, before the flag button.
    void longNamesAreCutShort() {
        FakeService fake;
        QVERIFY(fake.start());
        Match long_ = match(3);
        long_.profile.name = QStringLiteral("Александра-Виктория Константинопольская-Щедрина");
        long_.profile.hasCheckmark = true;
        fake.respond(QStringLiteral("chats"), 200, json(QList<Match>{long_}));
        m_services.services().network().setBaseUrl(fake.baseUrl());
        QTemporaryDir dir;
        ChatCashManager cache(std::make_unique<QSettings>(dir.filePath(QStringLiteral("d.ini")),
                                                          QSettings::IniFormat));
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show({360, 640}));
        const auto nameRight = [&] {
            QQuickItem *name = drawn.findWith("text", long_.profile.name);
            return name ? name->mapRectToScene(name->boundingRect()).right() : 1e9;
        };
        drawn.window().setRoot(
            new NavigationContainer(new ChatsVC(m_services.services().setSavedMatches(cache))));
        QTRY_VERIFY(nameRight() < 360 - 16);
        drawn.window().setRoot(
            new NavigationContainer(new ChatDetailsVC(long_, m_services.services())));
        QTRY_VERIFY(nameRight() < 360 - 8 - 44);
    }

    // Offline at first, the partner's photo comes on its own once the service answers again.
    void anAvatarThatDidNotComeIsAskedForAgain() {
        FakeService fake;
        QVERIFY(fake.start());
        fake.respond(QStringLiteral("face.png"), 503);
        m_services.services().network().setBaseUrl(fake.baseUrl());
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show());
        Match paired = match(2);
        paired.profile.photoURLs = QStringList{fake.baseUrl() + QStringLiteral("face.png")};
        drawn.window().setRoot(
            new NavigationContainer(new ChatDetailsVC(paired, m_services.services())));

        QQuickItem *avatar = nullptr;
        QTRY_VERIFY((avatar = drawn.find(
                         [](QQuickItem *item) { return item->property("retryDelay").isValid(); })));
        avatar->setProperty("retryDelay", 20);
        QTRY_COMPARE(fake.targets(QStringLiteral("face.png")).size(), 3);
        const auto photoShown = [&] {
            return drawn.find([](QQuickItem *item) {
                return item->inherits("QQuickImage") &&
                       item->property("source").toString().startsWith("image://cache/");
            });
        };
        QVERIFY(!photoShown());
        fake.respond(QStringLiteral("face.png"), 200, Fixtures::png());
        QTRY_VERIFY(photoShown());
        const qsizetype asked = fake.targets(QStringLiteral("face.png")).size();
        QTest::qWait(200);
        QCOMPARE(fake.targets(QStringLiteral("face.png")).size(), asked);
    }
};

QTEST_MAIN(TestChatsView)
#include "tst_chatsview.moc"
