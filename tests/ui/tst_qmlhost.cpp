// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DrawnWindow.h"
#include "TestServices.h"
#include "onboarding/NameInputVC.h"
#include "ui/AlertTextVC.h"
#include "ui/NavigationContainer.h"
#include "ui/TabContainer.h"
#include "ui/WindowGeometry.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A screen whose view marks its name each time it is built.
class CountedScreen : public ViewController {
public:
    explicit CountedScreen(QUrl view)
        : ViewController(QString())
        , m_view(std::move(view)) {}
    QUrl viewSource() const override { return m_view; }
    QList<QUrl> partViewSources() const override { return parts; }
    QList<QUrl> parts;

private:
    QUrl m_view;
};
} // namespace

class QmlHostTest : public QObject {
    Q_OBJECT

    TestServices m_services;

    QTemporaryDir m_views;

    // A view for a screen of these tests; empty when it could not be written.
    QUrl writtenView(const QString &name, const QByteArray &qml) const {
        QFile view(m_views.filePath(name));
        if (!view.open(QIODevice::WriteOnly) || view.write(qml) != qml.size())
            return {};
        return QUrl::fromLocalFile(view.fileName());
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A view built twice would run its screen's set-up twice and slow every start.
    void eachScreenViewIsBuiltOnce() {
        const QUrl counting =
            writtenView(QStringLiteral("CountedView.qml"),
                        "import QtQuick\nItem { required property QtObject controller\n"
                        "Component.onCompleted: controller.objectName += \"|\" }\n");
        QVERIFY(!counting.isEmpty());
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show());
        auto *screen = new CountedScreen(counting);
        auto *tabs = new TabContainer;
        tabs->setTabs({screen});
        drawn.window().setRoot(new NavigationContainer(tabs));
        QTRY_COMPARE(screen->objectName(), QStringLiteral("|"));
        QTest::qWait(50);
        QCOMPARE(screen->objectName(), QStringLiteral("|"));
    }

    // The window's QML compiled on the loader thread while the caller works is built by the
    // later load, with the screen set in between.
    void windowStartedEarlyIsBuiltOnLoad() {
        Window window;
        QmlHost host(window, m_services.services(), QmlHost::Start::Later);
        QVERIFY(!host.quickWindow());
        window.setRoot(new ViewController(QStringLiteral("First")));
        host.load();
        QVERIFY(host.quickWindow());
        QCOMPARE(host.quickWindow()->property("appWindow").value<Window *>(), &window);
    }

    // Compiled ahead while the window is made: the views of the screens in front and what they
    // build parts from; a tab behind builds its view only when it is shown.
    void viewsOnShowFollowTheScreensInFront() {
        auto *feed = new CountedScreen(QUrl(QStringLiteral("qrc:/feed.qml")));
        feed->parts = {QUrl(QStringLiteral("qrc:/card.qml"))};
        auto *behind = new CountedScreen(QUrl(QStringLiteral("qrc:/chats.qml")));
        auto *stack = new NavigationContainer(feed);
        TabContainer tabs;
        tabs.setTabs({stack, behind});
        QCOMPARE(QmlHost::viewSourcesOnShow(&tabs),
                 (QList<QUrl>{tabs.viewSource(), stack->viewSource(), feed->viewSource(),
                              feed->parts.first()}));
        stack->push(new ViewController(QStringLiteral("Drawn by its container")), false);
        QCOMPARE(QmlHost::viewSourcesOnShow(&tabs),
                 (QList<QUrl>{tabs.viewSource(), stack->viewSource()}));
        tabs.setSelectedIndex(1);
        QCOMPARE(QmlHost::viewSourcesOnShow(&tabs),
                 (QList<QUrl>{tabs.viewSource(), behind->viewSource()}));
        QVERIFY(QmlHost::viewSourcesOnShow(nullptr).isEmpty());
    }

    // A screen taken off the stack slides out with its view still reading it; the screen goes
    // only once the view is gone, so no binding of the view ever meets a screen that is not
    // there.
    void aLeavingScreenOutlivesItsView() {
        const QUrl reading = writtenView(QStringLiteral("ReadingView.qml"),
                                         "import QtQuick\nText { required property QtObject "
                                         "controller\ntext: controller.objectName }\n");
        QVERIFY(!reading.isEmpty());
        QTest::failOnWarning(QRegularExpression(QStringLiteral("TypeError")));
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show());
        auto *stack = new NavigationContainer(new CountedScreen(reading));
        drawn.window().setRoot(stack);
        for (const bool animated : {true, false}) {
            const QPointer<ViewController> leaving = new CountedScreen(reading);
            leaving->setObjectName(QStringLiteral("leaving"));
            stack->push(leaving, false);
            QTRY_VERIFY(drawn.findWith("text", QStringLiteral("leaving")));
            stack->pop(animated);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (animated)
                QVERIFY(!leaving.isNull());
            QTRY_VERIFY(leaving.isNull());
        }
    }

    // The lock notice keeps the keys from everything under it, also when something there
    // comes or goes.
    void theLockNoticeKeepsTheKeys() {
        const QUrl typing =
            writtenView(QStringLiteral("TypingView.qml"),
                        "import QtQuick\nTextInput { required property QtObject "
                        "controller\nComponent.onCompleted: forceActiveFocus() }\n");
        QVERIFY(!typing.isEmpty());
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show());
        auto *screen = new CountedScreen(typing);
        drawn.window().setRoot(screen);
        const auto typingHasKeys = [&drawn] {
            return drawn.quick()->activeFocusItem() &&
                   drawn.quick()->activeFocusItem()->inherits("QQuickTextInput");
        };
        QTRY_VERIFY(typingHasKeys());
        drawn.window().lock(new ViewController(QStringLiteral("Notice")));
        QTRY_VERIFY(!typingHasKeys());
        screen->present(new AlertTextVC(QStringLiteral("text")), PresentationStyle::CrossDissolve,
                        false);
        QTRY_VERIFY(screen->ownPresented());
        screen->dismiss(false);
        QTest::qWait(50);
        QVERIFY(!typingHasKeys());
        // Nor does a step that opens with the keys in its field take them.
        drawn.window().setRoot(new NavigationContainer(new NameInputVC(m_services.services())));
        QTest::qWait(300);
        QVERIFY(!typingHasKeys());
    }

    void storedGeometryIsBroughtBackOnScreen() {
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        const QSize minimum(700, 700);
        // A window left on a second screen that is gone comes back whole on the first.
        QCOMPARE(WindowGeometry::fitted(QRect(3500, 200, 900, 800), {screens.first()}, minimum),
                 QRect(1020, 200, 900, 800));
        // Larger than the screen: shrunk to it; smaller than the minimum: grown to it.
        QCOMPARE(WindowGeometry::fitted(QRect(0, 0, 3000, 3000), screens, minimum),
                 QRect(0, 0, 1920, 1080));
        QCOMPARE(WindowGeometry::fitted(QRect(2000, 100, 300, 300), screens, minimum),
                 QRect(2000, 100, 700, 700));
    }

    // A window left maximised opens maximised again, and going back from it finds the size the
    // user had given it rather than the whole screen.
    void aMaximisedWindowReopensMaximisedOverItsOwnSize() {
        QSettings().clear();
        const QRect own(50, 40, 640, 480);
        {
            QQuickWindow window;
            WindowGeometry geometry(&window);
            geometry.restore();
            geometry.show();
            window.setGeometry(own);
            QTRY_COMPARE(window.geometry(), own);
            QTest::qWait(300);
            window.showMaximized();
            QTRY_VERIFY(window.windowStates().testFlag(Qt::WindowMaximized));
            QTRY_VERIFY(window.geometry() != own);
            geometry.save();
        }
        QQuickWindow window;
        WindowGeometry geometry(&window);
        geometry.restore();
        QCOMPARE(window.geometry(), own);
        geometry.show();
        QTRY_VERIFY(window.windowStates().testFlag(Qt::WindowMaximized));
    }
};

QTEST_MAIN(QmlHostTest)
#include "tst_qmlhost.moc"
