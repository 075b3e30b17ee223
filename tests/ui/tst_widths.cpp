// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ChatTestData.h"
#include "DrawnWindow.h"
#include "FakeService.h"
#include "StandInVC.h"
#include "TestServices.h"
#include "api/NetworkService.h"
#include "app/AppScreens.h"
#include "chats/ChatDetailsVC.h"
#include "chats/ChatsVC.h"
#include "chats/MatchListModel.h"
#include "onboarding/NameInputVC.h"
#include "store/ChatCashManager.h"
#include "ui/NavigationContainer.h"
#include "ui/TabContainer.h"
#include "ui/WindowWidth.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ChatTestData;

namespace {
QRectF sceneRect(const QQuickItem *item) {
    return item->mapRectToScene(item->boundingRect());
}

// Shown, and at least partly inside the window rather than pushed off it.
bool onScreen(const QQuickItem *item) {
    const QRectF rect = sceneRect(item);
    return item->isVisible() && rect.right() > 0 && rect.left() < item->window()->width();
}
} // namespace

// The same screens at a phone's width and at a desktop window's: wider windows add columns
// instead of stretching, and a resize keeps what the user was doing.
class TestWidths : public QObject {
    Q_OBJECT

    TestServices m_services;

    QTemporaryDir m_dir;
    std::unique_ptr<FakeService> m_fake;
    std::unique_ptr<NetworkService> m_network;
    std::unique_ptr<ChatCashManager> m_cache;

    // The chat tab's stack with three matches listed, drawn in `drawn`.
    NavigationContainer *showChats(DrawnWindow &drawn, ChatsVC *&list) {
        list = new ChatsVC(m_services.services().setSavedMatches(*m_cache).setNetwork(*m_network));
        auto *navigation = new NavigationContainer(list);
        navigation->setSplits(true);
        drawn.window().setRoot(navigation);
        return navigation;
    }
    QQuickItem *row(const DrawnWindow &drawn, int n) const {
        QQuickItem *found = nullptr;
        const bool shown = QTest::qWaitFor(
            [&] { return (found = drawn.findWith("name", match(n).profile.name)); });
        return shown ? found : nullptr;
    }
    static QQuickItem *messageField(const DrawnWindow &drawn) {
        return drawn.findWith("placeholderText", QStringLiteral("Сообщение"));
    }
    static bool activate(DrawnWindow &drawn) {
        drawn.quick()->requestActivate();
        return QTest::qWaitForWindowActive(drawn.quick());
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        AppScreens::install(m_services.services().screens());
    }

    void init() {
        m_fake = std::make_unique<FakeService>();
        QVERIFY(m_fake->start());
        m_fake->respond(QStringLiteral("chats?page=1"), 200, json(matches(1, 3)));
        m_fake->respond(QStringLiteral("chats/"), 200, "[]");
        m_network = m_fake->client();
        m_cache = std::make_unique<ChatCashManager>(std::make_unique<QSettings>(
            m_dir.filePath(QStringLiteral("%1.ini").arg(QTest::currentTestFunction())),
            QSettings::IniFormat));
    }

    void theWidthClassesMeetAtTheirEdges() {
        QCOMPARE(WindowWidth::classify(360), WindowWidth::Compact);
        QCOMPARE(WindowWidth::classify(719.5), WindowWidth::Compact);
        QCOMPARE(WindowWidth::classify(720), WindowWidth::Medium);
        QCOMPARE(WindowWidth::classify(1199), WindowWidth::Medium);
        QCOMPARE(WindowWidth::classify(1200), WindowWidth::Wide);
    }

    // Beside the list, a chosen conversation leaves the list in view with its row marked;
    // another row replaces it instead of stacking up. Narrowing the window to a phone's width
    // shows the conversation alone, widening it brings the list back, and neither loses the
    // conversation or what was typed into it.
    void aConversationStandsBesideTheListThroughResizes() {
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show({1920, 1080}));
        QVERIFY(activate(drawn));
        ChatsVC *list = nullptr;
        NavigationContainer *navigation = showChats(drawn, list);
        QQuickItem *first = row(drawn, 1);
        QVERIFY(first);
        QVERIFY(sceneRect(first).width() <= 400);
        drawn.click(first);
        QCOMPARE(navigation->depth(), 2);
        QQuickItem *field = nullptr;
        QTRY_VERIFY((field = messageField(drawn)));
        QTRY_VERIFY(sceneRect(field).left() >= sceneRect(first).right());
        QVERIFY(onScreen(first));
        QVERIFY(first->property("isOpen").toBool());

        QQuickItem *second = row(drawn, 2);
        drawn.click(second);
        QCOMPARE(navigation->depth(), 2);
        QTRY_VERIFY(second->property("isOpen").toBool());
        QVERIFY(!first->property("isOpen").toBool());
        ViewController *conversation = navigation->topViewController();
        QCOMPARE(qobject_cast<ChatDetailsVC *>(conversation)->name(), match(2).profile.name);

        QTRY_VERIFY((field = messageField(drawn)) && onScreen(field));
        drawn.click(field);
        for (const char key : {'h', 'e', 'l', 'l', 'o'})
            QTest::keyClick(drawn.quick(), key);
        QCOMPARE(field->property("text").toString(), QStringLiteral("hello"));

        drawn.quick()->resize(480, 800);
        QTRY_VERIFY(!onScreen(second));
        QVERIFY(onScreen(field));
        QCOMPARE(sceneRect(field).left(), 12.0);
        drawn.quick()->resize(1920, 1080);
        QTRY_VERIFY(onScreen(second));
        QCOMPARE(navigation->topViewController(), conversation);
        QCOMPARE(messageField(drawn), field);
        QCOMPARE(field->property("text").toString(), QStringLiteral("hello"));
        QVERIFY(second->property("isOpen").toBool());
    }

    // The list takes the keyboard: ↓ frames the first row and Return opens it, which gives the
    // keyboard to the conversation's field. Escape brings it back to the list, where ↓ and
    // Return open the next one in its place; Escape there closes the conversation.
    void theListIsWorkedByKeys() {
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show({1280, 800}));
        QVERIFY(activate(drawn));
        ChatsVC *list = nullptr;
        NavigationContainer *navigation = showChats(drawn, list);
        QVERIFY(row(drawn, 3));
        // The list itself, or the row it frames.
        const auto listHasKeys = [&] {
            for (QQuickItem *item = drawn.quick()->activeFocusItem(); item;
                 item = item->parentItem())
                if (item->inherits("QQuickListView"))
                    return qobject_cast<MatchListModel *>(
                               item->property("model").value<QObject *>()) != nullptr;
            return false;
        };
        QTRY_VERIFY(listHasKeys());
        QTest::keyClick(drawn.quick(), Qt::Key_Down);
        QTest::keyClick(drawn.quick(), Qt::Key_Return);
        QCOMPARE(navigation->depth(), 2);
        QCOMPARE(qobject_cast<ChatDetailsVC *>(navigation->topViewController())->name(),
                 match(1).profile.name);
        QTRY_VERIFY(drawn.quick()->activeFocusItem() &&
                    drawn.quick()->activeFocusItem()->inherits("QQuickTextInput"));
        QTest::keyClick(drawn.quick(), Qt::Key_Escape);
        QCOMPARE(navigation->depth(), 2);
        QTRY_VERIFY(listHasKeys());
        QTest::keyClick(drawn.quick(), Qt::Key_Down);
        QTest::keyClick(drawn.quick(), Qt::Key_Return);
        QCOMPARE(qobject_cast<ChatDetailsVC *>(navigation->topViewController())->name(),
                 match(2).profile.name);
        QCOMPARE(navigation->depth(), 2);
        QTest::keyClick(drawn.quick(), Qt::Key_Escape);
        QTRY_VERIFY(listHasKeys());
        QTest::keyClick(drawn.quick(), Qt::Key_Escape);
        QCOMPARE(navigation->depth(), 1);
        QTRY_VERIFY(listHasKeys());
    }

    // A step of registration keeps its field and button to the form's column on a wide window,
    // and spans a phone's width as before.
    void aFormKeepsToItsColumn() {
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show({1920, 1080}));
        drawn.window().setRoot(new NavigationContainer(new NameInputVC(m_services.services())));
        QQuickItem *next = nullptr;
        QTRY_VERIFY((next = drawn.findWith("text", QStringLiteral("Далее"))));
        const auto within = [&](qreal column) {
            return QTest::qWaitFor([&] {
                const QRectF button = sceneRect(next);
                return button.width() <= column &&
                       qAbs(button.center().x() - drawn.quick()->width() / 2.0) < 1;
            });
        };
        QVERIFY(within(WindowWidth::formColumn));
        drawn.quick()->resize(480, 800);
        QTRY_VERIFY(sceneRect(next).width() > 400);
        QVERIFY(within(480));
    }

    // Sections are a sidebar beside the screens on a wider window and the bar below them on a
    // phone's; Ctrl+1 … Ctrl+4 switch them at every width unless a sheet lies over them.
    void sectionsAreASidebarOnAWideWindow() {
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show({1920, 1080}));
        QVERIFY(activate(drawn));
        auto *tabs = new TabContainer;
        QList<ViewController *> screens;
        for (const QString &title : {QStringLiteral("Находки"), QStringLiteral("Лайки"),
                                     QStringLiteral("Чат"), QStringLiteral("Профиль")}) {
            screens.append(new StandInVC(QStringLiteral("Экран ") + title));
            screens.last()->setTitle(title);
        }
        tabs->setTabs(screens);
        drawn.window().setRoot(tabs);
        const auto label = [&] { return drawn.findWith("text", QStringLiteral("Лайки")); };
        QTRY_VERIFY(label());
        QVERIFY(sceneRect(label()).left() < 220 && sceneRect(label()).top() < 300);
        QTest::keyClick(drawn.quick(), Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(tabs->selectedIndex(), 1);

        drawn.quick()->resize(480, 800);
        QTRY_VERIFY(label() && sceneRect(label()).bottom() > 800 - 58);
        QTest::keyClick(drawn.quick(), Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(tabs->selectedIndex(), 3);

        tabs->present(new StandInVC(QStringLiteral("Sheet")), PresentationStyle::PageSheet, false);
        QTest::keyClick(drawn.quick(), Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(tabs->selectedIndex(), 3);
        tabs->dismiss(false);
        // A panel belongs to the section it was opened in and closes with it.
        tabs->present(new StandInVC(QStringLiteral("Panel")), PresentationStyle::Panel, false);
        QTest::keyClick(drawn.quick(), Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(tabs->selectedIndex(), 0);
        QVERIFY(!tabs->presentedViewController());
    }

    // A panel stands at the right beside what stays in use where the window has room for both,
    // and is a centred dialog where the content beside it would be squeezed.
    void aPanelStandsBesideOnlyWhereThereIsRoom() {
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show({1920, 1080}));
        auto *content = new StandInVC(QStringLiteral("Содержимое"));
        drawn.window().setRoot(content);
        content->present(new StandInVC(QStringLiteral("Панель")), PresentationStyle::Panel, false);
        const auto centre = [&](const QString &text) {
            QQuickItem *item = drawn.findWith("text", text);
            return item ? sceneRect(item).center().x() : -1.0;
        };
        QTRY_VERIFY(centre(QStringLiteral("Панель")) > 1920 - 400);
        QVERIFY(centre(QStringLiteral("Содержимое")) < 1920 - 400);
        // What the panel asks covers the window, not only the panel: the content beside it
        // cannot change under a question that is still open.
        auto *panel = content->ownPresented();
        panel->present(new StandInVC(QStringLiteral("Вопрос")), PresentationStyle::CrossDissolve,
                       false);
        QTRY_COMPARE(qRound(centre(QStringLiteral("Вопрос"))), 960);
        panel->dismiss(false);
        QTRY_COMPARE(centre(QStringLiteral("Вопрос")), -1.0);
        QVERIFY(centre(QStringLiteral("Панель")) > 1920 - 400);
        drawn.quick()->resize(1280, 800);
        QTRY_COMPARE(qRound(centre(QStringLiteral("Панель"))), 640);
    }
};

QTEST_MAIN(TestWidths)
#include "tst_widths.moc"
