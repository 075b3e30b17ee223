// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/RangeSlider.h"
#include "controls/Slider.h"

#include <QPointingDevice>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <memory>

// The two sliders on a real window, moved as a user moves them: touches, the mouse and keys
// all keep the same limits; the wheel is the page's.
class TestSliders : public QObject {
    Q_OBJECT

    std::unique_ptr<QQuickWindow> m_window;
    QPointingDevice *m_touch = nullptr;

    // A shown window holding one slider 351 points wide: with a 31-point thumb, 320 points of
    // travel.
    template <class T> T *placed() {
        m_window = std::make_unique<QQuickWindow>();
        m_window->resize(500, 100);
        auto *slider = new T(m_window->contentItem());
        slider->setPosition({20, 30});
        slider->setSize({351, 31});
        m_window->show();
        m_window->requestActivate();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            return nullptr;
        return slider;
    }

    // An age slider from 18 to 50 with the thumbs on 20 and 40: ten points are one year, and
    // the thumbs keep 32 × 31 / 351 years apart.
    static constexpr double kGap = 32.0 * 31 / 351;
    RangeSlider *ages() {
        RangeSlider *slider = placed<RangeSlider>();
        if (slider) {
            slider->setProperty("maximumValue", 50);
            slider->setProperty("upperValue", 40);
            slider->setProperty("lowerValue", 20);
        }
        return slider;
    }

    // A point on the slider's own line, in window coordinates.
    static QPoint at(QQuickItem *slider, double x) {
        return slider->mapToScene({x, slider->height() / 2}).toPoint();
    }

    void touchDrag(QQuickItem *slider, double from, const QList<double> &steps) {
        QTest::touchEvent(m_window.get(), m_touch).press(0, at(slider, from));
        double x = from;
        for (double step : steps) {
            x += step;
            // The window hands a touch move on with its next frame.
            QSignalSpy frame(m_window.get(), &QQuickWindow::frameSwapped);
            QTest::touchEvent(m_window.get(), m_touch).move(0, at(slider, x));
            m_window->update();
            frame.wait(2000);
        }
        QTest::touchEvent(m_window.get(), m_touch).release(0, at(slider, x));
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(m_window.get(), Qt::Key(key), modifiers);
    }

    // Whether the slider kept the turn instead of leaving it to the page around it.
    bool wheel(QQuickItem *slider, double x, int delta) {
        QWheelEvent event(at(slider, x), m_window->mapToGlobal(at(slider, x)), {}, {0, delta},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(m_window.get(), &event);
        return event.isAccepted();
    }

private Q_SLOTS:
    void initTestCase() { m_touch = QTest::createTouchDevice(); }

    void rangeSliderLimitsApplyInTheOrderSet() {
        RangeSlider *slider = placed<RangeSlider>();
        QVERIFY(slider);
        // No age below 18 is offered, whatever the minimum asked for.
        slider->setProperty("minimumValue", 10);
        QCOMPARE(slider->minimumValue(), 18.0);

        slider->setProperty("lowerValue", 25);
        slider->setProperty("upperValue", 35);
        slider->setProperty("minimumValue", 30);
        QCOMPARE(slider->lowerValue(), 30.0);
        slider->setProperty("maximumValue", 32);
        QCOMPARE(slider->upperValue(), 32.0);
        // A maximum under both thumbs leaves the upper one on the lower one.
        slider->setProperty("maximumValue", 28);
        QCOMPARE(slider->upperValue(), 30.0);
        QCOMPARE(slider->lowerValue(), 30.0);

        // What the user sees: each thumb centred on its value along the travel.
        slider->setProperty("maximumValue", 50);
        slider->setProperty("minimumValue", 18);
        slider->setProperty("upperValue", 50);
        slider->setProperty("lowerValue", 26);
        QCOMPARE(slider->lowerThumbFrame(), QRectF(80, 0, 31, 31));
        QCOMPARE(slider->upperThumbFrame(), QRectF(320, 0, 31, 31));
    }

    void rangeSliderDragsKeepTheGap() {
        RangeSlider *slider = ages();
        QVERIFY(slider);
        QSignalSpy changed(slider, &RangeSlider::valueChanged);

        // Between the thumbs nothing is taken, and nothing is sent.
        touchDrag(slider, slider->positionForValue(30), {10, 10});
        QCOMPARE(changed.size(), 0);
        QCOMPARE(slider->lowerValue(), 20.0);
        QCOMPARE(slider->upperValue(), 40.0);

        // The lower thumb stops one gap short of the upper one, and a
        // move that the limit holds back is still reported.
        touchDrag(slider, slider->positionForValue(20), {30, 100, 200, 50});
        QCOMPARE(changed.size(), 4);
        QCOMPARE(slider->lowerValue(), 40 - kGap);
        QCOMPARE(slider->highlightedThumb(), RangeSlider::Thumb::None);

        slider->setProperty("lowerValue", 20);
        changed.clear();
        touchDrag(slider, slider->positionForValue(40) + 5, {-50, -400});
        QCOMPARE(changed.size(), 2);
        QCOMPARE(slider->upperValue(), 20 + kGap);
        QCOMPARE(slider->lowerValue(), 20.0);

        // Thumbs on one value: the lower one is taken, and the mouse drags as a finger does.
        slider->setProperty("upperValue", 30);
        slider->setProperty("lowerValue", 30);
        changed.clear();
        const QPoint grip = at(slider, slider->positionForValue(30));
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, grip);
        QCOMPARE(slider->highlightedThumb(), RangeSlider::Thumb::Lower);
        QTest::mouseMove(m_window.get(), grip - QPoint(40, 0));
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, grip - QPoint(40, 0));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(slider->lowerValue(), 26.0);
        QCOMPARE(slider->upperValue(), 30.0);
    }

    void rangeSliderFollowsKeysButNotTheWheel() {
        RangeSlider *slider = ages();
        QVERIFY(slider);
        QSignalSpy changed(slider, &RangeSlider::valueChanged);
        slider->forceActiveFocus(Qt::TabFocusReason);
        QCOMPARE(slider->keyboardThumb(), QStringLiteral("lower"));

        key(Qt::Key_Right);
        QCOMPARE(slider->lowerValue(), 21.0);
        key(Qt::Key_PageUp);
        QCOMPARE(slider->lowerValue(), 31.0);
        key(Qt::Key_End);
        QCOMPARE(slider->lowerValue(), 40 - kGap);
        key(Qt::Key_Home);
        QCOMPARE(slider->lowerValue(), 18.0);
        key(Qt::Key_Left);
        QCOMPARE(slider->lowerValue(), 18.0);
        QCOMPARE(changed.size(), 5);

        // Tab goes on to the upper thumb, which keeps its distance too.
        key(Qt::Key_Tab);
        QCOMPARE(slider->keyboardThumb(), QStringLiteral("upper"));
        key(Qt::Key_PageDown);
        QCOMPARE(slider->upperValue(), 30.0);
        key(Qt::Key_Home);
        QCOMPARE(slider->upperValue(), 18 + kGap);
        key(Qt::Key_End);
        QCOMPARE(slider->upperValue(), 50.0);
        QCOMPARE(slider->property("value").toDouble(), 50.0);

        // A wheel turn over a thumb, even the focused one, goes on to the page.
        changed.clear();
        QVERIFY(!wheel(slider, slider->positionForValue(50), -120));
        QVERIFY(!wheel(slider, slider->positionForValue(18), 360));
        QCOMPARE(slider->lowerValue(), 18.0);
        QCOMPARE(slider->upperValue(), 50.0);
        QCOMPARE(changed.size(), 0);
    }

    void sliderFollowsThePointerAndKeysButNotTheWheel() {
        Slider *slider = placed<Slider>();
        QVERIFY(slider);
        QCOMPARE(slider->value(), 100.0);
        QSignalSpy moved(slider, &Slider::moved);
        // 199 values over 321 points of travel.
        const double perPoint = 199.0 / 321;

        // A drag from the thumb moves it by as much as the pointer, without a jump.
        touchDrag(slider, slider->positionForValue(100) + 6, {30});
        QCOMPARE(moved.size(), 1);
        QVERIFY(qAbs(slider->value() - (100 + 30 * perPoint)) < perPoint);
        // A press on the track brings the thumb there; beyond the end it stays at 200 and a move
        // that changes nothing is not reported.
        moved.clear();
        const QPoint end = at(slider, 350);
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, end);
        QCOMPARE(slider->value(), 200.0);
        QTest::mouseMove(m_window.get(), end + QPoint(30, 0));
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, end + QPoint(30, 0));
        QCOMPARE(slider->value(), 200.0);
        QCOMPARE(moved.size(), 1);

        QVERIFY(slider->hasActiveFocus());
        key(Qt::Key_PageDown);
        key(Qt::Key_Left);
        QCOMPARE(slider->value(), 189.0);
        key(Qt::Key_Home);
        QCOMPARE(slider->value(), 1.0);
        key(Qt::Key_Left);
        QCOMPARE(moved.size(), 4);
        QVERIFY(!wheel(slider, 20, 240));
        QCOMPARE(slider->value(), 1.0);
        QCOMPARE(moved.size(), 4);
    }
};

QTEST_MAIN(TestSliders)
#include "tst_sliders.moc"
