#include "CardOverlay.h"
#include "CardStackDemoVC.h"
#include "CardView.h"

#include <QStandardPaths>
#include <QTest>

using D = SwipeDirection;

class TestCardStackDemo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void buttonsDriveTheStackAndReport() {
        CardStackDemoVC demo(CardStackDemoVC::sampleModels(3));
        SwipeCardStack stack;
        stack.setSize({300, 450});
        demo.attachStack(&stack);
        auto *top = qobject_cast<CardView *>(stack.topCard());
        QVERIFY(top);
        for (D d : {D::Left, D::Right, D::Up})
            QVERIFY(qobject_cast<CardOverlay *>(top->overlay(d)));
        QVERIFY(!top->overlay(D::Down));
        top->infoButtonTap();
        QCOMPARE(demo.status(), "Профиль: " + top->model().name);
        const QString first = top->model().name;
        demo.like();
        QCOMPARE(demo.status(), "Свайп вправо: " + first);
        QTRY_VERIFY(!stack.isAnimating());
        demo.undo();
        QCOMPARE(demo.status(), "Вернули: " + first);
        QTRY_VERIFY(!stack.isAnimating());
        QTRY_VERIFY(stack.topCard()->isUserInteractionEnabled());
        demo.pass();
        demo.pass(); // refused: the stack is still animating
        QCOMPARE(stack.swipedIndices(), QList<qint64>{0});
    }

    void heldDragShowsTheStamp() {
        CardStackDemoVC demo(CardStackDemoVC::sampleModels(2));
        demo.setHeldDrag(QPointF(400, 0));
        SwipeCardStack stack;
        stack.setSize({300, 450});
        demo.attachStack(&stack);
        SwipeCard *top = stack.topCard();
        QTRY_COMPARE(top->overlay(D::Right)->opacity(), 1.0);
        QCOMPARE(top->overlay(D::Left)->opacity(), 0.0);
        QVERIFY(top->rotation() > 0);
        QCOMPARE(top->cardTransform().translation, QPointF(400, 0));
    }
};

QTEST_MAIN(TestCardStackDemo)
#include "tst_cardstackdemo.moc"
