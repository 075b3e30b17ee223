// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "GestureReplay.h"
#include "cardstack/CardAnimator.h"
#include "cardstack/KeyframeAnimation.h"
#include "cardstack/SwipeCard.h"

#include <QStandardPaths>
#include <QTest>
#include <cmath>

using D = SwipeDirection;
using State = PanGestureRecognizer::State;

namespace {
// What a card reported, in order.
struct Recorder {
    QStringList events;
    void listen(SwipeCard &card) {
        const auto note = [this](const char *event) { return [this, event] { events << event; }; };
        QObject::connect(&card, &SwipeCard::swipeBegan, note("begin"));
        QObject::connect(&card, &SwipeCard::swipeCancelled, note("cancel"));
        QObject::connect(&card, &SwipeCard::swipeContinued, note("continue"));
        QObject::connect(&card, &SwipeCard::swipeAnimationFinished, note("finish"));
        QObject::connect(&card, &SwipeCard::swiped,
                         [this](D d) { events << QStringLiteral("swipe %1").arg(int(d)); });
        QObject::connect(&card, &SwipeCard::tapped, note("tap"));
    }
};

// A card of 300 × 400 with a plain overlay for left, right and up.
struct Fixture {
    Recorder recorder;
    SwipeCard card;
    qreal min = 0;
    Fixture() {
        card.setSize({300, 400});
        recorder.listen(card);
        for (D d : {D::Left, D::Right, D::Up})
            card.setOverlay(new QQuickItem, d);
        min = card.minimumSwipeDistance(D::Right);
    }
    qreal alpha(D d) const { return card.overlay(d)->opacity(); }
};
} // namespace

class TestSwipeCardGestures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Speed counts only along the direction; the throw gets shorter as the flick gets faster.
    void flicksAreMeasuredAlongTheirDirection() {
        const QList<std::tuple<QPointF, bool, qreal>> cases = {
            {{1100, 0}, true, 1.0},     // exactly the minimum speed
            {{4400, 300}, true, 0.25},  // four times as fast
            {{1099, 0}, false, 0.6},    // just too slow: springs back
            {{1000, 1000}, false, 0.6}, // fast overall, but not along the drag
        };
        for (const auto &[velocity, swiped, duration] : cases) {
            Fixture f;
            replayPan(&f.card, State::Began, {});
            replayPan(&f.card, State::Ended, {20, 5}, velocity);
            QCOMPARE(f.recorder.events.contains("swipe 1"), swiped);
            QCOMPARE(f.card.lastAnimationDuration(), duration);
            QCOMPARE(f.card.isUserInteractionEnabled(), !swiped);
        }
    }

    // Exactly the minimum distance swipes even when slow, a point less springs back; a tie
    // between up and right goes to up, and a direction taken away never swipes.
    void distanceThresholdTieAndRemovedDirections() {
        Fixture f;
        replayPan(&f.card, State::Began, {});
        replayPan(&f.card, State::Changed, {f.min, -f.min});
        QCOMPARE(f.card.activeDirection(), D::Up);
        replayPan(&f.card, State::Ended, {f.min - 1, 0}, {10, 0});
        QCOMPARE(f.recorder.events.last(), "cancel");
        f.card.setSwipeDirections({D::Left, D::Up, D::Down});
        replayPan(&f.card, State::Began, {});
        replayPan(&f.card, State::Ended, {f.min * 3, 0}, {3000, 0});
        QVERIFY(!f.recorder.events.contains("swipe 1"));
        f.card.setSwipeDirections(SwipeDirections::defaultOrder());
        replayPan(&f.card, State::Began, {});
        replayPan(&f.card, State::Ended, {f.min, 0}, {10, 0});
        QVERIFY(f.recorder.events.contains("swipe 1"));
    }

    void overlayAlphaForStraightAndDiagonalDrags() {
        Fixture f;
        replayPan(&f.card, State::Began, {});
        replayPan(&f.card, State::Changed, {f.min * 1.5, 0});
        QCOMPARE(f.alpha(D::Right), 1.0); // never above 1
        replayPan(&f.card, State::Changed, {f.min * 0.8, f.min * 0.4});
        QVERIFY(qAbs(f.alpha(D::Right) - 0.4) < 1e-9); // 2 × 0.8 − (0.8 + 0.4)
        replayPan(&f.card, State::Changed, {f.min * 0.3, f.min * 0.6});
        QCOMPARE(f.card.activeDirection(), D::Down); // no overlay for down: none shows
        QCOMPARE(f.alpha(D::Right), 0.0);
        replayPan(&f.card, State::Changed, {f.min * 0.5, -f.min * 0.5});
        QCOMPARE(f.card.activeDirection(), D::Up);
        QCOMPARE(f.alpha(D::Up), 0.0); // a perfect diagonal cancels out
        QCOMPARE(f.alpha(D::Right), 0.0);
        replayPan(&f.card, State::Changed, {-f.min * 2, f.min * 0.5});
        QCOMPARE(f.alpha(D::Left), 1.0);
        QCOMPARE(f.alpha(D::Right) + f.alpha(D::Up), 0.0);
        QCOMPARE(f.recorder.events.first(), "begin");
        QCOMPARE(f.recorder.events.count("continue"), 5);
    }

    // The card moves with the finger and turns by the share of the screen width it covered,
    // at most the maximum angle, the other way when held in the lower half.
    void tiltFollowsTheTouchHalf() {
        Fixture f;
        const qreal screenWidth = SwipeView::screenSize().width();
        const qreal max = f.card.animationOptions().maximumRotationAngle;
        replayPan(&f.card, State::Began, {}, {}, {150, 199});
        replayPan(&f.card, State::Changed, {screenWidth / 2, 30}, {}, {150, 199});
        QCOMPARE(f.card.cardTransform().translation, QPointF(screenWidth / 2, 30));
        QVERIFY(qAbs(f.card.cardTransform().rotation - max / 2) < 1e-9);
        replayPan(&f.card, State::Changed, {screenWidth * 3, 0}, {}, {150, 199});
        QVERIFY(qAbs(f.card.cardTransform().rotation - max) < 1e-9);
        replayPan(&f.card, State::Began, {}, {}, {150, 200}); // exactly half way counts as lower
        replayPan(&f.card, State::Changed, {screenWidth / 2, 0}, {}, {150, 200});
        QVERIFY(qAbs(f.card.cardTransform().rotation + max / 2) < 1e-9);
        QCOMPARE(f.card.rotation(), -qRadiansToDegrees(max / 2));
    }

    void throwCarriesTheCardOffScreen() {
        Fixture f;
        CardAnimator &animator = SwipeCard::animator();
        const QSizeF screen = SwipeView::screenSize();
        const qreal distance = qMax(screen.width(), screen.height()) + 500; // diagonal 300 × 400
        const qreal max = f.card.animationOptions().maximumRotationAngle;
        replayPan(&f.card, State::Began, {}, {}, {150, 100});
        replayPan(&f.card, State::Changed, {30, 40}, {}, {150, 100});
        CardTransform t = animator.swipeTransform(&f.card, D::Right, false);
        QVERIFY((t.translation - QPointF(0.6, 0.8) * distance).manhattanLength() < 1e-6);
        QCOMPARE(t.rotation, 2 * max);
        QCOMPARE(animator.swipeTransform(&f.card, D::Left, false).rotation, -2 * max);
        t = animator.swipeTransform(&f.card, D::Left, true);
        QCOMPARE(t.translation, QPointF(-distance, 0));
        QCOMPARE(t.rotation, -2 * max);
        QCOMPARE(animator.swipeTransform(&f.card, D::Up, true).rotation, 0.0);
        replayPan(&f.card, State::Began, {}, {}, {150, 300});
        QCOMPARE(animator.swipeTransform(&f.card, D::Right, false).rotation, -2 * max);
        QCOMPARE(animator.swipeTransform(&f.card, D::Left, false).rotation, 2 * max);
    }

    // A button swipe fades its overlay in during the first 15 % and only then moves the card;
    // without an overlay the card moves for the whole run.
    void programmaticSwipeTimeline() {
        Fixture f;
        f.card.overlay(D::Left)->setOpacity(0.7);
        std::unique_ptr<KeyframeAnimation> a(
            SwipeCard::animator().swipeAnimation(&f.card, D::Right, true, 0.7));
        QCOMPARE(f.alpha(D::Left), 0.0);
        a->setCurrentTime(70);
        QVERIFY(qAbs(f.alpha(D::Right) - 2.0 / 3) < 0.01);
        QCOMPARE(f.card.cardTransform().translation, QPointF());
        a->setCurrentTime(105);
        QCOMPARE(f.alpha(D::Right), 1.0);
        a->setCurrentTime(700);
        QCOMPARE(f.card.cardTransform(),
                 SwipeCard::animator().swipeTransform(&f.card, D::Right, true));

        SwipeCard bare;
        bare.setSize({300, 400});
        std::unique_ptr<KeyframeAnimation> b(
            SwipeCard::animator().swipeAnimation(&bare, D::Left, true, 0.7));
        b->setCurrentTime(350);
        const CardTransform end = SwipeCard::animator().swipeTransform(&bare, D::Left, true);
        QVERIFY(qAbs(bare.cardTransform().translation.x() - end.translation.x() / 2) < 1e-6);
    }

    void snapBackCanBeCaughtAndReverseSwipeComesBack() {
        Fixture f;
        replayPan(&f.card, State::Began, {});
        replayPan(&f.card, State::Changed, {f.min / 2, 0});
        replayPan(&f.card, State::Ended, {f.min / 2, 0}, {100, 0});
        QCOMPARE(f.recorder.events.last(), "cancel");
        QVERIFY(f.card.isAnimating());
        replayPan(&f.card, State::Began, {}); // a new drag stops the spring where it is
        QVERIFY(!f.card.isAnimating());
        replayPan(&f.card, State::Ended, {f.min / 2, 0}, {100, 0});
        QTRY_VERIFY(!f.card.isAnimating());
        QCOMPARE(f.card.cardTransform(), CardTransform());
        QCOMPARE(f.alpha(D::Right), 0.0);
        QVERIFY(CardAnimator::springCurve(0.3, 0.5) > 1.0); // the spring overshoots

        f.card.reverseSwipe(D::Left);
        QVERIFY(f.card.cardTransform().translation.x() < -SwipeView::screenSize().width());
        QCOMPARE(f.alpha(D::Left), 1.0);
        QVERIFY(!f.card.isUserInteractionEnabled());
        QTRY_VERIFY(f.card.isUserInteractionEnabled());
        QCOMPARE(f.card.cardTransform(), CardTransform());
        QCOMPARE(f.alpha(D::Left), 0.0);
    }
};

QTEST_MAIN(TestSwipeCardGestures)
#include "tst_swipecardgestures.moc"
