// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "TestServices.h"
#include "ui/AlertErrorVC.h"
#include "ui/AlertTextVC.h"
#include "ui/NavigationContainer.h"
#include "ui/TabContainer.h"
#include "ui/Window.h"

#include <QSignalSpy>
#include <QTest>

namespace {
// Records its lifecycle calls in order, so tests can compare sequences.
class ProbeVC : public ViewController {
public:
    explicit ProbeVC(QString name, QStringList *journal)
        : ViewController(std::move(name))
        , m_journal(journal) {}

protected:
    void viewDidLoad() override { note("load"); }
    void viewWillAppear(bool) override { note("willAppear"); }
    void viewDidAppear() override { note("didAppear"); }
    void viewWillDisappear(bool) override { note("willDisappear"); }
    void viewDidDisappear() override { note("didDisappear"); }

private:
    void note(const char *event) { m_journal->append(typeName() + u':' + QLatin1String(event)); }
    QStringList *m_journal;
};
} // namespace

class ScreenTreeTest : public QObject {
    Q_OBJECT

    TestServices m_services;

private Q_SLOTS:
    void navigationStackRunsLifecycleInOrder() {
        QStringList journal;
        Window window;
        auto *nav = new NavigationContainer(new ProbeVC(QStringLiteral("A"), &journal));
        window.setRoot(nav);
        QCOMPARE(journal, QStringList({"A:load", "A:willAppear", "A:didAppear"}));

        journal.clear();
        auto *b = new ProbeVC(QStringLiteral("B"), &journal);
        nav->push(b, true);
        QCOMPARE(journal, QStringList({"A:willDisappear", "B:load", "B:willAppear",
                                       "A:didDisappear", "B:didAppear"}));
        QCOMPARE(nav->depth(), 2);
        QCOMPARE(b->navigationContainer(), nav);

        journal.clear();
        QPointer<ViewController> popped = b;
        nav->pop(true);
        QCOMPARE(journal,
                 QStringList({"B:willDisappear", "A:willAppear", "B:didDisappear", "A:didAppear"}));
        QTRY_VERIFY(popped.isNull());
        nav->pop(true); // the root stays
        QCOMPARE(nav->depth(), 1);

        // Popped while a view still draws it, a screen waits for the view; an answer that
        // comes meanwhile puts up nothing.
        auto *view = new QObject;
        QPointer<ViewController> sliding = new ProbeVC(QStringLiteral("C"), &journal);
        nav->push(sliding, false);
        sliding->keepFor(view);
        nav->pop(true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(sliding);
        QPointer<ViewController> late = new AlertTextVC(QStringLiteral("late"));
        sliding->present(late, PresentationStyle::CrossDissolve, false);
        QVERIFY(!sliding->ownPresented());
        QCOMPARE(window.frontScreen(), nav->topViewController());
        QTRY_VERIFY(late.isNull());
        delete view;
        QTRY_VERIFY(sliding.isNull());
    }

    void replacingTheStackDestroysOnlyScreensLeftOut() {
        QStringList journal;
        Window window;
        auto *a = new ProbeVC(QStringLiteral("A"), &journal);
        auto *nav = new NavigationContainer(a);
        window.setRoot(nav);
        QPointer<ViewController> b = new ProbeVC(QStringLiteral("B"), &journal);
        nav->push(b, false);
        QPointer<ViewController> c = new ProbeVC(QStringLiteral("C"), &journal);
        nav->setStack({a, c}, false);
        QCOMPARE(nav->topViewController(), c.data());
        QTRY_VERIFY(b.isNull());
        QVERIFY(c->isVisible());
    }

    void presentingStacksOnTheTopmostAndDismissCloses() {
        Window window;
        auto *root = new ViewController(QStringLiteral("Root"));
        window.setRoot(root);
        auto *first = new AlertErrorVC(QStringLiteral("ОК"));
        root->present(first, PresentationStyle::CrossDissolve, true);
        auto *second = new AlertTextVC(QStringLiteral("text"));
        root->present(second, PresentationStyle::FullWindow, false);
        QCOMPARE(first->presentedViewController(), second);
        QCOMPARE(window.frontScreen(), second);

        QPointer<ViewController> gone = second;
        window.returnPressed(); // AlertTextVC dismisses on Return
        QTRY_VERIFY(gone.isNull());
        QCOMPARE(window.frontScreen(), first);
        QCOMPARE(root->presentationStyle(), int(PresentationStyle::CrossDissolve));

        // Escape closes a sheet, whatever screen its stack shows, and an alert; a screen
        // presented otherwise is left to itself.
        QPointer<ViewController> sheet =
            new NavigationContainer(new ViewController(QStringLiteral("Inside")));
        first->present(sheet, PresentationStyle::PageSheet, true);
        QCOMPARE(window.frontScreen()->typeName(), QStringLiteral("Inside"));
        window.escapePressed();
        QTRY_VERIFY(sheet.isNull());
        QCOMPARE(window.frontScreen(), first);
        window.escapePressed();
        QTRY_VERIFY(!root->presentedViewController());
        auto *plain = new ViewController(QStringLiteral("Plain"));
        root->present(plain, PresentationStyle::FullWindow, false);
        window.escapePressed();
        QCOMPARE(window.frontScreen(), plain);
    }

    void errorAlertButtonsDismissAndTheSecondRunsItsCallbackFirst() {
        Window window;
        auto *root = new ViewController(QStringLiteral("Root"));
        window.setRoot(root);
        bool calledWhilePresented = false;
        auto *alert = new AlertErrorVC(QStringLiteral("ОК"), true, [&] {
            calledWhilePresented = root->presentedViewController() != nullptr;
        });
        root->present(alert, PresentationStyle::CrossDissolve, true);
        alert->textButtonTapped();
        QVERIFY(calledWhilePresented);
        QVERIFY(!root->presentedViewController());

        AlertErrorVC::show(root, QStringLiteral("Сервер вернул пустой ответ"));
        QVERIFY(qobject_cast<AlertErrorVC *>(root->presentedViewController()));
        window.returnPressed();
        QVERIFY(!root->presentedViewController());
    }

    void tabsSwitchVisibilityAndBadges() {
        QStringList journal;
        Window window;
        auto *tabs = new TabContainer;
        tabs->setTabs({new ProbeVC(QStringLiteral("Feed"), &journal),
                       new ProbeVC(QStringLiteral("Likes"), &journal)});
        window.setRoot(tabs);
        QCOMPARE(journal, QStringList({"Feed:load", "Feed:willAppear", "Feed:didAppear"}));
        journal.clear();
        tabs->setSelectedIndex(1);
        QCOMPARE(journal, QStringList({"Feed:willDisappear", "Likes:load", "Likes:willAppear",
                                       "Feed:didDisappear", "Likes:didAppear"}));
        tabs->setSelectedIndex(7);
        QCOMPARE(tabs->selectedIndex(), 1);

        // A screen inside the tabs presents over the whole container, tab bar included, and
        // can close it again.
        auto *likes = tabs->visibleChild();
        auto *alert = new AlertTextVC(QStringLiteral("text"));
        likes->present(alert, PresentationStyle::CrossDissolve, false);
        QCOMPARE(tabs->ownPresented(), alert);
        QVERIFY(!likes->ownPresented());
        QCOMPARE(likes->presentedViewController(), alert);
        QCOMPARE(window.frontScreen(), alert);
        QPointer<ViewController> gone = alert;
        likes->dismiss(false);
        QTRY_VERIFY(gone.isNull());

        QSignalSpy badges(tabs, &TabContainer::badgesChanged);
        tabs->setBadge(1, QStringLiteral("3"));
        tabs->setBadge(1, QStringLiteral("3"));
        QCOMPARE(badges.count(), 1);
        QCOMPARE(tabs->badges(), QStringList({QString(), QStringLiteral("3")}));
    }

    void windowRootSwitchDestroysThePreviousRoot() {
        Window window;
        QPointer<ViewController> first = new ViewController(QStringLiteral("First"));
        window.setRoot(first);
        auto *second = new ViewController(QStringLiteral("Second"));
        window.setRoot(second, Window::FlipFromRight);
        QVERIFY(!first->isVisible());
        QTRY_VERIFY(first.isNull());
        QVERIFY(second->isVisible());
    }

    // A panel beside the content makes way for the next one instead of stacking; what a panel
    // presents (a report, a confirmation) goes over it; leaving the stack the panel belongs to
    // closes it, and Escape closes it first.
    void aPanelGivesWayToTheNextAndGoesWithItsStack() {
        Window window;
        auto *list = new ViewController(QStringLiteral("List"));
        auto *stack = new NavigationContainer(list);
        window.setRoot(stack);
        QPointer<ViewController> first = new ViewController(QStringLiteral("First"));
        list->present(first, PresentationStyle::Panel, false);
        auto *second = new ViewController(QStringLiteral("Second"));
        list->present(second, PresentationStyle::Panel, false);
        QTRY_VERIFY(first.isNull());
        QCOMPARE(stack->presentedViewController(), second);
        auto *report = new ViewController(QStringLiteral("Report"));
        list->present(report, PresentationStyle::CrossDissolve, false);
        QCOMPARE(second->presentedViewController(), report);
        QCOMPARE(window.frontScreen(), report);
        report->dismiss(false);
        QCOMPARE(window.frontScreen(), second);

        stack->push(new ViewController(QStringLiteral("Conversation")), false);
        QCOMPARE(stack->presentedViewController(), second);
        window.escapePressed();
        QVERIFY(!stack->presentedViewController());
        QCOMPARE(stack->depth(), 2);
        list->present(new ViewController(QStringLiteral("Third")), PresentationStyle::Panel, false);
        stack->pop(false);
        QVERIFY(!stack->presentedViewController());
    }
};

QTEST_MAIN(ScreenTreeTest)
#include "tst_screentree.moc"
