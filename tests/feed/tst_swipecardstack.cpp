#include "CardStackAnimator.h"
#include "SwipeCard.h"
#include "SwipeCardStack.h"
#include "SwipeCardStackDataSource.h"
#include "SwipeCardStackDelegate.h"

#include <QProcess>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTest>

using D = SwipeDirection;
using State = PanGestureRecognizer::State;

namespace {
class Harness : public SwipeCardStackDataSource, public SwipeCardStackDelegate {
public:
    qint64 count = 5;
    QStringList events;
    qint64 numberOfCards(SwipeCardStack *) override { return count; }
    SwipeCard *cardForIndex(SwipeCardStack *, qint64) override {
        auto *card = new SwipeCard;
        card->setOverlay(new QQuickItem, D::Left);
        card->setOverlay(new QQuickItem, D::Right);
        return card;
    }
    void didSwipeCardAt(SwipeCardStack *, qint64 i, D d) override {
        events << QStringLiteral("swipe %1 %2").arg(i).arg(int(d));
    }
    void didUndoCardAt(SwipeCardStack *, qint64 i, D d) override {
        events << QStringLiteral("undo %1 %2").arg(i).arg(int(d));
    }
    void didSwipeAllCards(SwipeCardStack *) override { events << QStringLiteral("all"); }
};

// Replays one pan step through the injectable recognizer.
void pan(SwipeCard *card, State state, QPointF translation, QPointF velocity = {},
         QPointF location = {100, 50}) {
    PanGestureRecognizer *r = card->panGestureRecognizer();
    r->setTestState(state);
    r->setTestTranslation(translation);
    r->setTestVelocity(velocity);
    r->setTestLocation(location);
    r->sendAction();
}
} // namespace

class TestSwipeCardStack : public QObject {
    Q_OBJECT
    Harness m_h;
    std::unique_ptr<SwipeCardStack> m_stack;

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        m_h = Harness{};
        m_stack = std::make_unique<SwipeCardStack>();
        m_stack->setSize({300, 400});
        m_stack->setDataSource(&m_h);
        m_stack->setDelegate(&m_h);
    }

    void reloadShowsTopCardsOnly() {
        m_h.count = 1;
        m_stack->reloadData();
        QCOMPARE(m_stack->visibleCards().size(), 1);
        QCOMPARE(m_stack->topCard()->scale(), 1.0);
        m_h.count = 5;
        m_stack->reloadData();
        QCOMPARE(m_stack->visibleCards().size(), 2);
        SwipeCard *back = m_stack->visibleCards()[1].card;
        QCOMPARE(back->scale(), 0.95);
        QVERIFY(!back->isUserInteractionEnabled());
    }

    void dragClassification() {
        m_stack->reloadData();
        SwipeCard *card = m_stack->topCard();
        const qreal min = card->minimumSwipeDistance(D::Right);
        pan(card, State::Began, {});
        pan(card, State::Changed, {min, -min});
        QCOMPARE(card->activeDirection(), D::Up); // tie: up stands before right
        QCOMPARE(card->overlay(D::Right)->opacity(), 0.0);
        pan(card, State::Changed, {min - 1, 0}, {}, {100, 50});
        const qreal upperTilt = card->rotation();
        QVERIFY(upperTilt > 0);
        QCOMPARE(card->overlay(D::Right)->opacity(), (min - 1) / min);
        pan(card, State::Changed, {min * 0.8, min * 0.4}, {}, {100, 50});
        QVERIFY(card->overlay(D::Right)->opacity() < 0.8 * 0.8 + 1e-9); // diagonal shows less
        card->setSwipeDirections({D::Left, D::Up, D::Down});
        pan(card, State::Ended, {min * 3, 0}, {3000, 0});
        QVERIFY(m_h.events.isEmpty()); // removed direction never swipes
        card->setSwipeDirections(SwipeDirections::defaultOrder());
        pan(card, State::Began, {}, {}, {100, 350});
        pan(card, State::Changed, {min - 1, 0}, {}, {100, 350});
        QVERIFY(card->rotation() < 0); // lower half tilts the other way
        pan(card, State::Ended, {min - 1, 0}, {1099, 0}, {100, 350});
        QVERIFY(m_h.events.isEmpty()); // a point short and too slow snaps back
        QCOMPARE(card->lastAnimationDuration(), 0.6);
        pan(card, State::Ended, {min, 0}, {10, 0});
        QCOMPARE(m_h.events, QStringList{"swipe 0 1"});
        QCOMPARE(card->lastAnimationDuration(), 0.7);
    }

    void flickThrowAndBackgroundDurations() {
        m_stack->reloadData();
        QPointer<SwipeCard> card = m_stack->topCard();
        pan(card, State::Began, {});
        pan(card, State::Ended, {20, 0}, {2200, 0});
        QCOMPARE(m_h.events, QStringList{"swipe 0 1"});
        QCOMPARE(card->lastAnimationDuration(), 0.5);
        QCOMPARE(CardStackAnimator::swipeDuration(m_stack.get(), card, D::Right, false), 0.25);
        QVERIFY(m_stack->isAnimating());
        m_stack->swipe(D::Left, true); // ignored while animating
        QCOMPARE(m_h.events.size(), 1);
        QTRY_VERIFY(!m_stack->isAnimating());
        QTRY_VERIFY(!card);
    }

    void swipeLastCardUndoAndGating() {
        m_h.count = 2;
        m_stack->reloadData();
        m_stack->swipe(D::Left, false);
        QVERIFY(!m_stack->isAnimating());
        m_stack->swipe(D::Right, false);
        QCOMPARE(m_h.events, (QStringList{"swipe 0 0", "swipe 1 1", "all"}));
        QVERIFY(!m_stack->isAnimating());
        m_stack->undoLastSwipe(true);
        QCOMPARE(m_h.events.last(), "undo 1 1");
        QCOMPARE(m_stack->visibleCards().first().index, 1);
        QTRY_VERIFY(!m_stack->isAnimating());

        m_stack->setShouldRecognizeVerticalDrag(false);
        PanGestureRecognizer *r = m_stack->topCard()->panGestureRecognizer();
        r->setTestVelocity(QPointF(10, 300));
        QVERIFY(!r->shouldBegin());
        r->setTestVelocity(QPointF(300, 10));
        QVERIFY(r->shouldBegin());
    }

    // Real mouse events: velocity comes from their timestamps, and a quick short flick throws.
    void realMouseFlickIsMeasuredAndThrown() {
        QQuickWindow window;
        window.resize(300, 400);
        m_stack->setParentItem(window.contentItem());
        m_stack->reloadData();
        QPointer<SwipeCard> card = m_stack->topCard();
        auto send = [&](QEvent::Type type, QPointF pos, ulong time) {
            QMouseEvent e(type, pos, pos, pos, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
            e.setTimestamp(time);
            QCoreApplication::sendEvent(&window, &e);
        };
        send(QEvent::MouseButtonPress, {100, 100}, 1000);
        for (int i = 1; i <= 4; ++i)
            send(QEvent::MouseMove, {100.0 + 10 * i, 100}, 1000 + 5 * i);
        QCOMPARE(card->panGestureRecognizer()->velocity(), QPointF(2000, 0));
        QCOMPARE(card->panGestureRecognizer()->translation(), QPointF(40, 0));
        QVERIFY(card->rotation() > 0);
        send(QEvent::MouseButtonRelease, {140, 100}, 1020);
        QCOMPARE(m_h.events, QStringList{"swipe 0 1"});
        QCOMPARE(card->lastAnimationDuration(), 1100.0 / 2000.0);

        // A press and release in place is a tap on the new top card, not a drag.
        SwipeCard *next = m_stack->topCard();
        QVERIFY(next->isUserInteractionEnabled());
        QTRY_VERIFY(!m_stack->isAnimating());
        send(QEvent::MouseButtonPress, {50, 300}, 2000);
        send(QEvent::MouseButtonRelease, {51, 300}, 2050);
        QCOMPARE(next->internalTouchLocation(), QPointF(51, 300));
        m_stack->setParentItem(nullptr);
    }

    void invalidUpdateStopsTheProcess() {
        if (qEnvironmentVariableIsSet("ZIREL_INVALID_UPDATE_CHILD")) {
            m_stack->reloadData();
            m_stack->insertCard(0, 0); // the data source still says 5
            return;
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ZIREL_INVALID_UPDATE_CHILD", "1");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"invalidUpdateStopsTheProcess"});
        QVERIFY(child.waitForFinished(10000));
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        QVERIFY(child.readAll().contains(
            "after the update (5) must be equal to the number of cards contained in the card "
            "stack before the update (5), plus or minus the number of cards inserted or deleted "
            "(1 inserted, 0 deleted)"));
    }
};

QTEST_MAIN(TestSwipeCardStack)
#include "tst_swipecardstack.moc"
