#include "ChatCashManager.h"
#include "ChatDetailsVC.h"
#include "ChatTestData.h"
#include "ChatsVC.h"
#include "FakeService.h"
#include "NavigationContainer.h"
#include "NetworkService.h"
#include "QmlHost.h"
#include "UserManager.h"
#include "Window.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(ZirelPlugin)

using namespace ChatTestData;

namespace {
QQuickItem *findWith(QQuickItem *item, const char *property, const QString &value) {
    for (QQuickItem *child : item->childItems()) {
        if (child->isVisible() && child->property(property).toString() == value)
            return child;
        if (QQuickItem *found = findWith(child, property, value))
            return found;
    }
    return nullptr;
}
} // namespace

// The list and the conversation as drawn: a row opens its conversation, the field keeps the
// text rules and Return sends.
class TestChatsView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void rowOpensTheConversationWhereReturnSends() {
        User user = UserManager::initialUser();
        user.userID = numbered(9, 1).toString(QUuid::WithoutBraces).toUpper();
        UserManager::shared().setCurrentUser(user);
        FakeService fake;
        QVERIFY(fake.start());
        fake.respond(QStringLiteral("chats"), 200, json(matches(0, 3)));
        fake.respond(QStringLiteral("chats/"), 200, "[]");
        fake.respond(QStringLiteral("sendMessage"), 200, "{}");
        NetworkService::shared().setBaseUrl(fake.baseUrl());
        NetworkService::shared().setPaseto(QStringLiteral("v4.local.test"));
        QTemporaryDir dir;
        ChatCashManager cache(std::make_unique<QSettings>(dir.filePath(QStringLiteral("d.ini")),
                                                          QSettings::IniFormat));

        Window window;
        QmlHost host(window);
        QQuickWindow *quick = host.quickWindow();
        QVERIFY(quick);
        quick->resize(1000, 800);
        quick->show();
        QVERIFY(QTest::qWaitForWindowExposed(quick));
        auto *list = new ChatsVC(cache, NetworkService::shared());
        auto *nav = new NavigationContainer(list);
        window.setRoot(nav);

        QQuickItem *row = nullptr;
        QTRY_VERIFY((row = findWith(quick->contentItem(), "name", QStringLiteral("Человек 2"))));
        QVERIFY(findWith(quick->contentItem(), "lastMessage", QStringLiteral("Сообщение 1")));
        const QPointF centre = row->mapToScene(QPointF(row->width() / 2, row->height() / 2));
        QTest::mouseClick(quick, Qt::LeftButton, {}, centre.toPoint());
        QCOMPARE(nav->depth(), 2);
        auto *conversation = qobject_cast<ChatDetailsVC *>(nav->topViewController());
        QVERIFY(conversation);

        QQuickItem *field = nullptr;
        QTRY_VERIFY((field = findWith(quick->contentItem(), "placeholderText",
                                      QStringLiteral("Сообщение"))));
        QTRY_VERIFY(field->hasActiveFocus());
        for (const QChar c : QStringLiteral("Да  нет"))
            QTest::sendKeyEvent(QTest::Click, quick, Qt::Key_unknown, c, Qt::NoModifier);
        QCOMPARE(conversation->text(), QStringLiteral("Да нет"));
        QCOMPARE(field->property("text").toString(), QStringLiteral("Да нет"));

        QTest::keyClick(quick, Qt::Key_Return);
        QCOMPARE(conversation->messages().size(), 3);
        QCOMPARE(conversation->messages().last().content, QStringLiteral("Да нет"));
        QCOMPARE(field->property("text").toString(), QString());
        QTRY_VERIFY(
            std::any_of(fake.requests().cbegin(), fake.requests().cend(),
                        [](const RecordedRequest &r) { return r.target == u"/sendMessage"; }));
    }

    void olderMessagesGoInAboveWithoutMovingTheShownOnes() {
        FakeService fake;
        QVERIFY(fake.start());
        QList<Message> older;
        for (int i = 0; i < 30; ++i)
            older.append(message(i, numbered(4, 1), QStringLiteral("Старое %1").arg(i)));
        fake.respondDelayed(QStringLiteral("chats/"), std::chrono::milliseconds(300), 200,
                            json(older));
        NetworkService::shared().setBaseUrl(fake.baseUrl());
        Window window;
        QmlHost host(window);
        QQuickWindow *quick = host.quickWindow();
        quick->resize(1000, 800);
        quick->show();
        QVERIFY(QTest::qWaitForWindowExposed(quick));
        Match lengthy = match(1);
        for (int i = 0; i < 20; ++i)
            lengthy.messages.append(
                message(100 + i, numbered(4, 1), QStringLiteral("Новое %1").arg(i)));
        auto *conversation = new ChatDetailsVC(lengthy);
        window.setRoot(new NavigationContainer(conversation));

        // It opens at the newest message; the user then scrolls up to the oldest one.
        QQuickItem *newest = nullptr;
        QTRY_VERIFY(
            (newest = findWith(quick->contentItem(), "content", QStringLiteral("Новое 19"))));
        QTRY_VERIFY(newest->mapToScene({0, 0}).y() > 600);
        QQuickItem *table = newest->parentItem()->parentItem();
        QVERIFY(table->inherits("QQuickListView"));
        table->setProperty("contentY", table->property("originY"));
        QQuickItem *shown = nullptr;
        QTRY_VERIFY((shown = findWith(quick->contentItem(), "content", QStringLiteral("Новое 0"))));
        const qreal before = shown->mapToScene({0, 0}).y();
        QTRY_COMPARE(conversation->messages().size(), 50);
        QTest::qWait(100);
        QCOMPARE(shown->mapToScene({0, 0}).y(), before);
    }
};

QTEST_MAIN(TestChatsView)
#include "tst_chatsview.moc"
