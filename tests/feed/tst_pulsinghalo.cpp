// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "feed/PulsingHaloLayer.h"

#include <QGuiApplication>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTest>

class TestPulsingHalo : public QObject {
    Q_OBJECT

    // The feed's settings, in the feed's order.
    static void configureAsFeed(PulsingHaloLayer &halo) {
        halo.setRadius(200);
        halo.setBackgroundColor(QColor(255, 45, 85));
        halo.setHaloLayerNumber(5);
        halo.setAnimationDuration(5);
        halo.setFromValueForRadius(0.25);
        halo.setPulseInterval(4);
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void propertyRulesAndTheLastAssignmentWins() {
        PulsingHaloLayer halo;
        configureAsFeed(halo);
        QVERIFY(qFuzzyCompare(halo.instanceDelay(), 1.8));
        halo.setStartInterval(1);
        QCOMPARE(halo.instanceDelay(), 1.0);
        halo.setPulseInterval(5);
        QCOMPARE(halo.instanceDelay(), 2.0);

        halo.setRadius(10);
        halo.centerOn(QPointF(100, 100));
        QCOMPARE(halo.position(), QPointF(90, 90));
    }

    void startBuildsTheGroupOnceAndStopRebuildsWithNewSettings() {
        PulsingHaloLayer halo;
        configureAsFeed(halo);
        halo.start();
        QVERIFY(halo.isRunning());
        halo.setAnimationDuration(2);
        halo.start(); // running: nothing is added or rebuilt
        QCOMPARE(halo.pulse()->scaleDuration, 5.0);
        halo.setRepeatCount(3);
        QCOMPARE(halo.animationGroup()->repeatCount, 3.0);

        halo.stop();
        QVERIFY(!halo.isRunning());
        QCOMPARE(halo.effect().opacity, 0.0);
        QCOMPARE(halo.copyFrameAt(0, 1).opacity, 0.0);
        halo.setUseTimingFunction(false);
        halo.start();
        QCOMPARE(halo.pulse()->scaleDuration, 2.0);
        QCOMPARE(halo.pulse()->groupDuration, 6.0);
        QVERIFY(!halo.pulse()->eased);
    }

    void discsFadeThroughTheirKeyframesOneDelayApart() {
        PulsingHaloLayer halo;
        halo.setAnimationDuration(10);
        halo.setPulseInterval(0);
        halo.setHaloLayerNumber(2); // copies 5 s apart
        halo.setUseTimingFunction(false);
        halo.setKeyTimeForHalfOpacity(0.2);
        halo.start();

        // Colour alpha 0.45: full 0.45 at the start, 0.225 at the key time, nothing at the end.
        const auto near = [](qreal a, qreal b) { return qAbs(a - b) < 1e-4; };
        QVERIFY(near(halo.copyFrameAt(0, 0).opacity, 0.45));
        QVERIFY(near(halo.copyFrameAt(0, 2).opacity, 0.225));
        QVERIFY(near(halo.copyFrameAt(0, 6).opacity, 0.1125));
        QCOMPARE(halo.copyFrameAt(0, 5).scale, 0.5);
        // The second copy has not begun at 4 s and starts at 5 s; both repeat.
        QCOMPARE(halo.copyFrameAt(1, 4).opacity, 0.0);
        QVERIFY(near(halo.copyFrameAt(1, 5).opacity, 0.45));
        QCOMPARE(halo.copyFrameAt(0, 15).scale, 0.5);
        QCOMPARE(halo.copyFrameAt(2, 5).opacity, 0.0); // no third copy

        PulsingHaloAnimation resting = *halo.pulse();
        resting.groupDuration = 12; // 2 s pause after each pulse
        QVERIFY(!resting.frameAt(11).active);
        QVERIFY(resting.frameAt(12.5).active);
        resting.repeatCount = 1;
        QVERIFY(!resting.frameAt(12.5).active);
    }

    // The feed often starts and stops its halo before the first frame; a later start shows.
    void aHaloStoppedBeforeItsFirstFrameShowsWhenStartedAgain() {
        QQuickWindow window;
        window.setColor(Qt::white);
        window.resize(400, 400);
        PulsingHaloLayer halo(window.contentItem());
        configureAsFeed(halo);
        halo.centerOn({200, 200});
        halo.start();
        halo.stop();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto centre = [&window] { return window.grabWindow().pixelColor(200, 200); };
        QCOMPARE(centre(), QColor(Qt::white));
        halo.start();
        QTRY_VERIFY(centre().red() > 200 && centre().green() < 120);
    }

    void leavingAndReturningToTheApplicationResumesThePulse() {
        QQuickItem parent;
        QQuickItem before(&parent);
        PulsingHaloLayer halo(&parent);
        QQuickItem after(&parent);
        halo.start();
        QTest::qWait(50);
        halo.onDidEnterBackground();
        QVERIFY(!halo.isRunning());
        halo.setParentItem(nullptr);
        halo.onWillEnterForeground();
        QVERIFY(halo.isRunning());
        QCOMPARE(halo.parentItem(), &parent);
        QCOMPARE(parent.childItems().indexOf(&halo), 1);
        QVERIFY(halo.elapsed() >= 0.05); // it goes on where it was, not from the start

        // Another window taking the focus is not leaving: the halo goes on while it is seen.
        Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(halo.isRunning());
        Q_EMIT qApp->applicationStateChanged(Qt::ApplicationHidden);
        QVERIFY(!halo.isRunning());
        Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(halo.isRunning());

        halo.setShouldResume(false);
        Q_EMIT qApp->applicationStateChanged(Qt::ApplicationHidden);
        QVERIFY(!halo.isRunning());
        Q_EMIT qApp->applicationStateChanged(Qt::ApplicationActive);
        QVERIFY(!halo.isRunning());
    }
};

QTEST_MAIN(TestPulsingHalo)
#include "tst_pulsinghalo.moc"
