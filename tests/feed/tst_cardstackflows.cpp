#include "SwipeCard.h"
#include "SwipeCardStack.h"
#include "SwipeCardStackDataSource.h"
#include "SwipeCardStackDelegate.h"

#include <QElapsedTimer>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTest>

using D = SwipeDirection;
using State = PanGestureRecognizer::State;

namespace {
class Source : public SwipeCardStackDataSource, public SwipeCardStackDelegate {
public:
    qint64 count = 3;
    QStringList events;
    QList<qint64> made;
    qint64 numberOfCards(SwipeCardStack *) override { return count; }
    SwipeCard *cardForIndex(SwipeCardStack *, qint64 index) override {
        made.append(index);
        return new SwipeCard;
    }
    void didSwipeCardAt(SwipeCardStack *, qint64 i, D d) override {
        events << QStringLiteral("swipe %1 %2").arg(i).arg(int(d));
    }
    void didUndoCardAt(SwipeCardStack *, qint64 i, D d) override {
        events << QStringLiteral("undo %1 %2").arg(i).arg(int(d));
    }
    void didSelectCardAt(SwipeCardStack *, qint64 i) override {
        events << QStringLiteral("select %1").arg(i);
    }
    void didSwipeAllCards(SwipeCardStack *) override { events << QStringLiteral("all"); }
};

QList<qint64> shown(const SwipeCardStack &stack) {
    QList<qint64> indices;
    for (const Card &c : stack.visibleCards())
        indices.append(c.index);
    return indices;
}

void pan(SwipeCard *card, State state, QPointF translation, QPointF velocity = {}) {
    PanGestureRecognizer *r = card->panGestureRecognizer();
    r->setTestState(state);
    r->setTestTranslation(translation);
    r->setTestVelocity(velocity);
    r->setTestLocation(QPointF(10, 10));
    r->sendAction();
}
} // namespace

class TestCardStackFlows : public QObject {
    Q_OBJECT
    Source m_source;
    std::unique_ptr<SwipeCardStack> m_stack;

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        m_source = Source{};
        m_stack = std::make_unique<SwipeCardStack>();
        m_stack->setSize({300, 400});
        m_stack->setDataSource(&m_source);
        m_stack->setDelegate(&m_source);
    }

    void undoRestoresInReverseOrder() {
        m_stack->reloadData();
        m_stack->undoLastSwipe(true); // nothing to undo
        QVERIFY(m_source.events.isEmpty());
        QVERIFY(!m_stack->isAnimating());
        m_stack->swipe(D::Left, false);
        m_stack->swipe(D::Up, false);
        QCOMPARE(shown(*m_stack), QList<qint64>{2});
        m_stack->undoLastSwipe(false);
        QCOMPARE(shown(*m_stack), (QList<qint64>{1, 2}));
        m_stack->undoLastSwipe(false);
        QCOMPARE(shown(*m_stack), (QList<qint64>{0, 1}));
        QCOMPARE(m_source.events, (QStringList{"swipe 0 0", "swipe 1 2", "undo 1 2", "undo 0 0"}));
        QCOMPARE(m_stack->topCard()->scale(), 1.0);
        QCOMPARE(m_stack->visibleCards()[1].card->scale(), SwipeCardStack::kBackgroundScale);
        QVERIFY(m_stack->topCard()->isUserInteractionEnabled());
        QVERIFY(m_stack->swipedIndices().isEmpty());
    }

    // The card behind grows to full size as the top one is dragged half the shorter side away,
    // and shrinks back when the drag is given up.
    void backgroundCardFollowsTheDrag() {
        m_stack->reloadData();
        SwipeCard *top = m_stack->topCard();
        SwipeCard *next = m_stack->visibleCards()[1].card;
        pan(top, State::Began, {});
        pan(top, State::Changed, {75, 10}); // a quarter of the shorter side (300)
        QCOMPARE(next->scale(), 0.975);
        pan(top, State::Changed, {-20, 200});
        QCOMPARE(next->scale(), 1.0);
        pan(top, State::Ended, {-20, 20}, {});
        QTRY_COMPARE(next->scale(), SwipeCardStack::kBackgroundScale);
        QVERIFY(m_source.events.isEmpty());
    }

    // The last card: the delegate hears the swipe, then that all are gone; the stack has
    // nothing to animate, while the card itself still flies off and is then removed.
    void gestureSwipeOfTheLastCard() {
        m_source.count = 1;
        m_stack->reloadData();
        QPointer<SwipeCard> last = m_stack->topCard();
        pan(last, State::Began, {});
        pan(last, State::Ended, {10, 0}, {3000, 0});
        QCOMPARE(m_source.events, (QStringList{"swipe 0 1", "all"}));
        QVERIFY(!m_stack->isAnimating());
        QVERIFY(m_stack->visibleCards().isEmpty());
        QVERIFY(last && last->parentItem());
        QTRY_VERIFY(!last);
        m_stack->swipe(D::Left, true); // nothing left to swipe
        QCOMPARE(m_source.events.size(), 2);
    }

    void programmaticSwipesDealTheNextCard() {
        m_source.count = 4;
        m_stack->reloadData();
        QCOMPARE(m_source.made, (QList<qint64>{0, 1}));
        QPointer<SwipeCard> first = m_stack->topCard();
        m_stack->swipe(D::Right, true);
        QCOMPARE(m_source.made, (QList<qint64>{0, 1, 2}));
        QCOMPARE(shown(*m_stack), (QList<qint64>{1, 2}));
        QVERIFY(!first->isUserInteractionEnabled());
        QVERIFY(m_stack->topCard()->isUserInteractionEnabled());
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

    void tapSelectsTheTopCard() {
        m_stack->reloadData();
        m_stack->swipe(D::Left, false);
        m_stack->topCard()->tapGestureRecognizer()->sendAction();
        QCOMPARE(m_source.events.last(), "select 1");
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
        m_source.count = 1;
        m_stack->reloadData();
        m_stack->shift(1, false);
        QCOMPARE(shown(*m_stack), QList<qint64>{0});
    }

    // With real mouse events: a drag that starts vertically never moves the card when
    // vertical drags are off, while a horizontal one still does.
    void verticalDragsRefusedWhenSwitchedOff() {
        QQuickWindow window;
        window.resize(300, 400);
        m_stack->setParentItem(window.contentItem());
        m_stack->setShouldRecognizeVerticalDrag(false);
        m_stack->reloadData();
        SwipeCard *top = m_stack->topCard();
        auto send = [&](QEvent::Type type, QPointF pos, ulong time) {
            QMouseEvent e(type, pos, pos, pos, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
            e.setTimestamp(time);
            QCoreApplication::sendEvent(&window, &e);
        };
        send(QEvent::MouseButtonPress, {150, 100}, 1000);
        for (int i = 1; i <= 10; ++i)
            send(QEvent::MouseMove, {150.0 + i, 100.0 + 20 * i}, 1000 + 10 * i);
        QCOMPARE(top->cardTransform().translation, QPointF());
        send(QEvent::MouseButtonRelease, {160, 300}, 1200);
        QVERIFY(m_source.events.isEmpty()); // neither a swipe nor a tap
        QCOMPARE(m_stack->topCard(), top);

        send(QEvent::MouseButtonPress, {150, 100}, 2000);
        for (int i = 1; i <= 5; ++i)
            send(QEvent::MouseMove, {150.0 + 10 * i, 100.0 + i}, 2000 + 10 * i);
        QCOMPARE(top->cardTransform().translation, QPointF(50, 5));
        m_stack->setParentItem(nullptr);
    }

    void withoutDataSourceNothingIsMade() {
        m_stack->setDataSource(nullptr);
        m_stack->reloadData();
        m_stack->insertCard(0, 0);
        m_stack->appendCards({0});
        QVERIFY(m_stack->visibleCards().isEmpty());
        QVERIFY(m_source.made.isEmpty());
    }
};

QTEST_MAIN(TestCardStackFlows)
#include "tst_cardstackflows.moc"
