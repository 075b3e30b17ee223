// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "GestureReplay.h"
#include "cardstack/SwipeCard.h"
#include "cardstack/SwipeCardStack.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTest>

using D = SwipeDirection;
using State = PanGestureRecognizer::State;

namespace {
// The stack's source and the record of what it reported.
class Harness : public QObject {
public:
    qint64 count = 3;
    QStringList events;
    QList<qint64> made;

    void attach(SwipeCardStack &stack) {
        stack.setCardSource(
            this, [this] { return count; },
            [this](qint64 index) {
                made.append(index);
                auto *card = new SwipeCard;
                card->setOverlay(new QQuickItem, D::Left);
                card->setOverlay(new QQuickItem, D::Right);
                return card;
            });
        connect(&stack, &SwipeCardStack::cardSwiped, this, [this](qint64 i, D d) {
            events << QStringLiteral("swipe %1 %2").arg(i).arg(int(d));
        });
        connect(&stack, &SwipeCardStack::cardUndone, this, [this](qint64 i, D d) {
            events << QStringLiteral("undo %1 %2").arg(i).arg(int(d));
        });
        connect(&stack, &SwipeCardStack::cardSelected, this,
                [this](qint64 i) { events << QStringLiteral("select %1").arg(i); });
        connect(&stack, &SwipeCardStack::allCardsSwiped, this,
                [this] { events << QStringLiteral("all"); });
    }
};

QList<qint64> shown(const SwipeCardStack &stack) {
    QList<qint64> indices;
    for (const Card &c : stack.visibleCards())
        indices.append(c.index);
    return indices;
}
} // namespace

class TestSwipeCardStack : public QObject {
    Q_OBJECT
    std::unique_ptr<Harness> m_harness;
    std::unique_ptr<SwipeCardStack> m_stack;

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        m_harness = std::make_unique<Harness>();
        m_stack = std::make_unique<SwipeCardStack>();
        m_stack->setSize({300, 400});
        m_harness->attach(*m_stack);
    }

    void reloadShowsTopCardsOnly() {
        // A source whose owner is gone is never asked again.
        m_harness.reset();
        m_stack->reloadData();
        m_stack->insertCard(0, 0);
        m_stack->appendCards({0});
        QVERIFY(m_stack->visibleCards().isEmpty());
        m_harness = std::make_unique<Harness>();
        m_harness->attach(*m_stack);
        m_harness->count = 1;
        m_stack->reloadData();
        QCOMPARE(shown(*m_stack), QList<qint64>{0});
        QCOMPARE(m_stack->topCard()->scale(), 1.0);
        m_harness->count = 5;
        m_stack->reloadData();
        QCOMPARE(shown(*m_stack), (QList<qint64>{0, 1}));
        SwipeCard *back = m_stack->visibleCards()[1].card;
        QCOMPARE(back->scale(), SwipeCardStack::kBackgroundScale);
        QVERIFY(!back->isUserInteractionEnabled());
    }

    void programmaticSwipesDealTheNextCard() {
        m_harness->count = 4;
        m_stack->reloadData();
        QCOMPARE(m_harness->made, (QList<qint64>{0, 1}));
        QPointer<SwipeCard> first = m_stack->topCard();
        m_stack->swipe(D::Right, true);
        QCOMPARE(m_harness->made, (QList<qint64>{0, 1, 2}));
        QCOMPARE(shown(*m_stack), (QList<qint64>{1, 2}));
        QVERIFY(!first->isUserInteractionEnabled());
        QVERIFY(m_stack->topCard()->isUserInteractionEnabled());
        m_stack->swipe(D::Left, true); // ignored while animating
        QCOMPARE(m_harness->events, QStringList{"swipe 0 1"});
        QElapsedTimer timer;
        timer.start();
        QTRY_VERIFY(!m_stack->isAnimating());
        // The background waits for the overlay fade (0.105 s), then grows for 0.35 s.
        QVERIFY(timer.elapsed() >= 440);
        QTRY_VERIFY(!first);
        QPointer<SwipeCard> second = m_stack->topCard();
        m_stack->swipe(D::Left, false);
        QVERIFY(!m_stack->isAnimating());
        QVERIFY(!second || !second->parentItem()); // gone at once
        QCOMPARE(m_stack->visibleCards()[1].card->scale(), SwipeCardStack::kBackgroundScale);
    }

    // The last card: the delegate hears the swipe, then that all are gone; the stack has
    // nothing to animate, while the card itself still flies off and is then removed.
    void gestureSwipeOfTheLastCard() {
        m_harness->count = 1;
        m_stack->reloadData();
        QPointer<SwipeCard> last = m_stack->topCard();
        replayPan(last, State::Began, {});
        replayPan(last, State::Ended, {10, 0}, {3000, 0});
        QCOMPARE(m_harness->events, (QStringList{"swipe 0 1", "all"}));
        QVERIFY(!m_stack->isAnimating());
        QVERIFY(m_stack->visibleCards().isEmpty());
        QVERIFY(last && last->parentItem());
        QTRY_VERIFY(!last);
        m_stack->swipe(D::Left, true); // nothing left to swipe
        QCOMPARE(m_harness->events.size(), 2);
    }

    void undoRestoresInReverseOrder() {
        m_stack->reloadData();
        m_stack->undoLastSwipe(true); // nothing to undo
        QVERIFY(m_harness->events.isEmpty());
        QVERIFY(!m_stack->isAnimating());
        m_stack->swipe(D::Left, false);
        m_stack->swipe(D::Up, false);
        m_stack->swipe(D::Right, false);
        QCOMPARE(m_harness->events.last(), "all");
        m_stack->undoLastSwipe(true);
        QCOMPARE(shown(*m_stack), QList<qint64>{2});
        QTRY_VERIFY(!m_stack->isAnimating());
        m_stack->undoLastSwipe(false);
        QCOMPARE(shown(*m_stack), (QList<qint64>{1, 2}));
        m_stack->undoLastSwipe(false);
        QCOMPARE(shown(*m_stack), (QList<qint64>{0, 1}));
        QCOMPARE(m_harness->events, (QStringList{"swipe 0 0", "swipe 1 2", "swipe 2 1", "all",
                                                 "undo 2 1", "undo 1 2", "undo 0 0"}));
        QCOMPARE(m_stack->topCard()->scale(), 1.0);
        QCOMPARE(m_stack->visibleCards()[1].card->scale(), SwipeCardStack::kBackgroundScale);
        QVERIFY(m_stack->topCard()->isUserInteractionEnabled());
    }

    // The card behind grows to full size as the top one is dragged half the shorter side away,
    // and shrinks back when the drag is given up.
    void backgroundCardFollowsTheDrag() {
        m_stack->reloadData();
        SwipeCard *top = m_stack->topCard();
        SwipeCard *next = m_stack->visibleCards()[1].card;
        replayPan(top, State::Began, {});
        replayPan(top, State::Changed, {75, 10}); // a quarter of the shorter side (300)
        QCOMPARE(next->scale(), 0.975);
        replayPan(top, State::Changed, {-20, 200});
        QCOMPARE(next->scale(), 1.0);
        replayPan(top, State::Ended, {-20, 20});
        QTRY_COMPARE(next->scale(), SwipeCardStack::kBackgroundScale);
        QVERIFY(m_harness->events.isEmpty());
    }

    void shiftRotatesOnlyAnIdleStackOfTwoOrMore() {
        m_stack->reloadData();
        m_stack->shift(1, false);
        QCOMPARE(shown(*m_stack), (QList<qint64>{1, 2}));
        m_stack->shift(0, false);
        QCOMPARE(shown(*m_stack), (QList<qint64>{1, 2}));
        m_stack->shift(-1, true);
        QCOMPARE(shown(*m_stack), (QList<qint64>{0, 1}));
        QVERIFY(m_stack->isAnimating());
        m_stack->shift(1, true); // refused while animating
        QCOMPARE(shown(*m_stack), (QList<qint64>{0, 1}));
        QTRY_VERIFY(!m_stack->isAnimating());
        m_harness->count = 1;
        m_stack->reloadData();
        m_stack->shift(1, false);
        QCOMPARE(shown(*m_stack), QList<qint64>{0});
    }

    // Real mouse events: velocity comes from their timestamps, a quick short flick throws, and
    // a press and release in place selects the new top card.
    void realMouseFlickAndTap() {
        QQuickWindow window;
        window.resize(300, 400);
        m_stack->setParentItem(window.contentItem());
        m_stack->reloadData();
        QPointer<SwipeCard> card = m_stack->topCard();
        sendMouse(window, QEvent::MouseButtonPress, {100, 100}, 1000);
        for (int i = 1; i <= 4; ++i)
            sendMouse(window, QEvent::MouseMove, {100.0 + 10 * i, 100}, 1000 + 5 * i);
        QCOMPARE(card->panGestureRecognizer()->velocity(), QPointF(2000, 0));
        QCOMPARE(card->panGestureRecognizer()->translation(), QPointF(40, 0));
        QVERIFY(card->rotation() > 0);
        sendMouse(window, QEvent::MouseButtonRelease, {140, 100}, 1020);
        QCOMPARE(m_harness->events, QStringList{"swipe 0 1"});

        QTRY_VERIFY(!m_stack->isAnimating());
        sendMouse(window, QEvent::MouseButtonPress, {50, 300}, 2000);
        sendMouse(window, QEvent::MouseButtonRelease, {51, 300}, 2050);
        QCOMPARE(m_harness->events.last(), "select 1");
        QCOMPARE(m_stack->topCard()->internalTouchLocation(), QPointF(51, 300));
        m_stack->setParentItem(nullptr);
    }

    // A drag that starts vertically never moves the card when vertical drags are off, while a
    // horizontal one still does.
    void verticalDragsRefusedWhenSwitchedOff() {
        QQuickWindow window;
        window.resize(300, 400);
        m_stack->setParentItem(window.contentItem());
        m_stack->setShouldRecognizeVerticalDrag(false);
        m_stack->reloadData();
        SwipeCard *top = m_stack->topCard();
        sendMouse(window, QEvent::MouseButtonPress, {150, 100}, 1000);
        for (int i = 1; i <= 10; ++i)
            sendMouse(window, QEvent::MouseMove, {150.0 + i, 100.0 + 20 * i}, 1000 + 10 * i);
        QCOMPARE(top->cardTransform().translation, QPointF());
        sendMouse(window, QEvent::MouseButtonRelease, {160, 300}, 1200);
        QVERIFY(m_harness->events.isEmpty()); // neither a swipe nor a tap
        QCOMPARE(m_stack->topCard(), top);

        sendMouse(window, QEvent::MouseButtonPress, {150, 100}, 2000);
        for (int i = 1; i <= 5; ++i)
            sendMouse(window, QEvent::MouseMove, {150.0 + 10 * i, 100.0 + i}, 2000 + 10 * i);
        QCOMPARE(top->cardTransform().translation, QPointF(50, 5));
        m_stack->setParentItem(nullptr);
    }

    void invalidUpdateStopsTheProcess() {
        if (qEnvironmentVariableIsSet("ZIREL_INVALID_UPDATE_CHILD")) {
            m_harness->count = 5;
            m_stack->reloadData();
            m_stack->insertCard(0, 0); // the data source still says 5
            return;
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ZIREL_INVALID_UPDATE_CHILD", "1");
        // Qt Test's crash handler would attach a debugger for a stack trace: seconds, and more
        // than the deadline below on a busy machine.
        env.insert("QTEST_DISABLE_STACK_DUMP", "1");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"invalidUpdateStopsTheProcess"});
        QVERIFY(child.waitForFinished(10000));
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        QVERIFY(child.readAll().contains(
            "Invalid update: invalid number of cards. The number of cards contained in the card "
            "stack after the update (5) must be equal to the number of cards contained in the card "
            "stack before the update (5), plus or minus the number of cards inserted or deleted "
            "(1 inserted, 0 deleted)"));
    }
};

QTEST_MAIN(TestSwipeCardStack)
#include "tst_swipecardstack.moc"
