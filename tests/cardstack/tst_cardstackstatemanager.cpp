// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cardstack/CardStackStateManager.h"

#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

using D = SwipeDirection;

class TestCardStackStateManager : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void swipeUndoAndEmptyLists() {
        CardStackStateManager s;
        s.reset(0);
        s.swipe(D::Left);
        QVERIFY(!s.undoSwipe());
        QVERIFY(s.remainingIndices().isEmpty() && s.swipes().isEmpty());

        s.reset(3);
        s.swipe(D::Right);
        s.swipe(D::Up);
        QCOMPARE(s.remainingIndices(), QList<qint64>{2});
        QCOMPARE(s.swipedIndices(), (QList<qint64>{0, 1}));
        QCOMPARE(s.undoSwipe(), (Swipe{1, D::Up}));
        QCOMPARE(s.remainingIndices(), (QList<qint64>{1, 2}));
        QCOMPARE(s.swipes(), (QList<Swipe>{{0, D::Right}}));
        QCOMPARE(s.positionOfIndex(2), 1);
        QVERIFY(!s.positionOfIndex(0));
    }

    // A shift rotates the order; one of a whole turn or more, either way, leaves it as it is.
    void shiftRotatesWithinBounds() {
        const QList<std::pair<qint64, QList<qint64>>> cases{{1, {1, 2, 3, 0}}, {-1, {3, 0, 1, 2}},
                                                            {4, {0, 1, 2, 3}}, {-4, {0, 1, 2, 3}},
                                                            {5, {0, 1, 2, 3}}, {-5, {0, 1, 2, 3}}};
        for (const auto &[distance, expected] : cases) {
            CardStackStateManager s;
            s.reset(4);
            s.swipe(D::Down);
            s.undoSwipe();
            s.shift(distance);
            QCOMPARE(s.remainingIndices(), expected);
        }
    }

    void insertAndDeleteRenumber() {
        CardStackStateManager s;
        s.reset(3);
        s.insert(1, 0);
        QCOMPARE(s.remainingIndices(), (QList<qint64>{1, 0, 2, 3}));

        s.reset(3);
        s.swipe(D::Left);
        s.swipe(D::Right);
        s.insert(0, 1);
        QCOMPARE(s.remainingIndices(), (QList<qint64>{3, 0}));
        QCOMPARE(s.swipes(), (QList<Swipe>{{1, D::Left}, {2, D::Right}}));

        s.reset(3);
        s.swipe(D::Left);
        s.swipe(D::Right);
        s.deleteIndex(1);
        QCOMPARE(s.remainingIndices(), QList<qint64>{1});
        QCOMPARE(s.swipes(), (QList<Swipe>{{0, D::Left}}));

        s.reset(4);
        s.deleteIndices({2, 0, 2});
        QCOMPARE(s.remainingIndices(), (QList<qint64>{0, 1}));

        s.reset(8);
        for (int i = 0; i < 5; ++i)
            s.swipe(D::Left);
        s.deletePositions({0, 1});
        // The items that were 5 and 7 are gone; 6 is renumbered to 5.
        QCOMPARE(s.remainingIndices(), QList<qint64>{5});
        QCOMPARE(s.totalCount(), 6);
    }

    // Random runs of every operation keep remaining ∪ swiped = 0…N−1, each once.
    void randomOperationsKeepEveryIndexOnce() {
        QRandomGenerator rng(20261205);
        CardStackStateManager s;
        s.reset(6);
        for (int step = 0; step < 5000; ++step) {
            const qint64 remaining = s.remainingIndices().size();
            const qint64 total = s.totalCount();
            switch (rng.bounded(7)) {
            case 0:
                s.swipe(SwipeDirections::fromRaw(rng.bounded(4)));
                break;
            case 1:
                s.undoSwipe();
                break;
            case 2:
                s.shift(rng.bounded(-remaining - 2, remaining + 3));
                break;
            case 3:
                s.insert(rng.bounded(total + 1), rng.bounded(remaining + 1));
                break;
            case 4:
                if (total > 0)
                    s.deleteIndex(rng.bounded(total));
                break;
            case 5:
                if (remaining > 1)
                    s.deletePositions({rng.bounded(remaining), rng.bounded(remaining)});
                break;
            default:
                if (total > 2)
                    s.deleteIndices({rng.bounded(total), rng.bounded(total)});
                break;
            }
            QList<qint64> all = s.remainingIndices() + s.swipedIndices();
            std::sort(all.begin(), all.end());
            for (qsizetype i = 0; i < all.size(); ++i)
                QCOMPARE(all[i], i);
            if (s.totalCount() == 0)
                s.reset(rng.bounded(1, 8));
        }
    }
};

QTEST_GUILESS_MAIN(TestCardStackStateManager)
#include "tst_cardstackstatemanager.moc"
