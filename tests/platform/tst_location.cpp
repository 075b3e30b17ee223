// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/DesktopLocationService.h"
#include "platform/DesktopNotificationPermission.h"
#include "ui/ChoiceAlertVC.h"
#include "ui/PermissionAlert.h"
#include "ui/Window.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Status = LocationAuthorization;

class TestLocation : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_asked = 0;
    std::function<void(bool)> m_pendingAnswer;

    std::unique_ptr<QSettings> defaults(const QString &name = {}) {
        return std::make_unique<QSettings>(
            m_dir.filePath(QStringLiteral("%1%2.ini").arg(QTest::currentTestFunction(), name)),
            QSettings::IniFormat);
    }
    // A prompt the test answers itself.
    PermissionPrompt::Ask prompt() {
        return [this](std::function<void(bool)> answer) {
            ++m_asked;
            m_pendingAnswer = std::move(answer);
            return true;
        };
    }
    std::unique_ptr<DesktopLocationService> service(PositionOverride override, bool system) {
        return std::make_unique<DesktopLocationService>(defaults(), std::move(override), system,
                                                        prompt());
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        m_asked = 0;
        m_pendingAnswer = nullptr;
    }

    void fixedPositionsAreParsedStrictly() {
        QCOMPARE(PositionOverride::parse(QStringLiteral(" 55.75, 37.62")),
                 QGeoCoordinate(55.75, 37.62));
        QVERIFY(!PositionOverride::parse(QStringLiteral("55.75")));
        QVERIFY(!PositionOverride::parse(QStringLiteral("95,10")));
        QVERIFY(!PositionOverride::parse(QStringLiteral("north,10")));
        qputenv("ZIREL_POSITION", "abc");
        QString error;
        QVERIFY(!PositionOverride::fromEnvironment(&error).fixed);
        QVERIFY(error.contains(u"ZIREL_POSITION"));
        qunsetenv("ZIREL_POSITION");
    }

    void theOwnAnswerIsRememberedAndNoSourceIsRestricted() {
        QVERIFY(service({}, false)->authorizationStatus() == Status::Restricted);
        auto location = service({}, true);
        QVERIFY(location->authorizationStatus() == Status::NotDetermined);
        QSignalSpy changes(location.get(), &LocationService::authorizationChanged);
        location->requestWhenInUseAuthorization(PermissionPrompt::Asked::Nobody);
        location->requestWhenInUseAuthorization(
            PermissionPrompt::Asked::Nobody); // one question at a time
        QCOMPARE(m_asked, 1);
        m_pendingAnswer(false);
        QCOMPARE(changes.size(), 1);
        QVERIFY(location->authorizationStatus() == Status::Denied);
        location->requestWhenInUseAuthorization(
            PermissionPrompt::Asked::Nobody); // an answer is never asked again
        QCOMPARE(m_asked, 1);
        QVERIFY(service({}, true)->authorizationStatus() == Status::Denied);
    }

    // The desktop's page cannot change the client's own answer, so a refusal is asked again;
    // once allowed, the page is what can still be missing.
    void theDesktopPageOpensOnlyOnceTheClientIsAllowed() {
        const QString program = m_dir.filePath(QStringLiteral("settings.sh"));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\ntouch \"$0.$1\"\n");
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
        DesktopLocationService location(defaults(), {}, true, prompt(), program);
        location.openSettings();
        QCOMPARE(m_asked, 1);
        m_pendingAnswer(false);
        location.openSettings();
        QCOMPARE(m_asked, 2);
        m_pendingAnswer(true);
        location.openSettings();
        QTRY_VERIFY(QFile::exists(program + QStringLiteral(".location")));
        QCOMPARE(m_asked, 2);
    }

    void positionsComeFromTheOverrideOnlyWhenAllowed() {
        PositionOverride fixed;
        fixed.fixed = QGeoCoordinate(59.9, 30.3);
        auto location = service(fixed, false);
        QSignalSpy fixes(location.get(), &LocationService::locationsUpdated);
        location->requestLocation();
        QTest::qWait(20);
        QCOMPARE(fixes.size(), 0); // not determined yet
        location->requestWhenInUseAuthorization(PermissionPrompt::Asked::Nobody);
        m_pendingAnswer(true);
        location->requestLocation();
        QCOMPARE(fixes.size(), 0); // answers come later, like a real source
        QTRY_COMPARE(fixes.size(), 1);
        QCOMPARE(fixes[0][0].value<QList<QGeoCoordinate>>(),
                 QList<QGeoCoordinate>{QGeoCoordinate(59.9, 30.3)});
    }

    // The question waits for a screen to stand on. A screen replaced under it (signing in swaps
    // the window's whole tree) or quitting is no answer: only the buttons and Escape answer.
    void theQuestionStaysOpenUntilTheUserAnswers() {
        QVERIFY(!PermissionAlert::ask({}, {})([](bool) {})); // no window: nobody to ask
        auto window = std::make_unique<Window>();
        const auto shownOn = [](ViewController *screen) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
            return qobject_cast<ChoiceAlertVC *>(screen->presentedViewController());
        };
        const PermissionPrompt::Ask ask =
            PermissionAlert::ask(QStringLiteral("Геопозиция"), QStringLiteral("Можно?"));
        QList<bool> answers;
        QVERIFY(ask([&](bool allowed) { answers << allowed; }));
        QCoreApplication::processEvents();
        auto *start = new ViewController(QStringLiteral("Start"));
        window->setRoot(start);
        QVERIFY(shownOn(start));
        QCOMPARE(shownOn(start)->heading(), QStringLiteral("Геопозиция"));
        auto *feed = new ViewController(QStringLiteral("Feed"));
        window->setRoot(feed);
        QVERIFY(shownOn(feed));
        QVERIFY(answers.isEmpty());
        window->escapePressed();
        QCOMPARE(answers, QList<bool>{false});
        QVERIFY(!shownOn(feed));

        QVERIFY(ask([&](bool allowed) { answers << allowed; }));
        shownOn(feed)->actionTapped();
        QCOMPARE(answers, QList<bool>({false, true}));
        QVERIFY(!shownOn(feed));

        QVERIFY(ask([&](bool allowed) { answers << allowed; }));
        QVERIFY(shownOn(feed));
        window.reset();
        QCoreApplication::processEvents();
        QCOMPARE(answers, QList<bool>({false, true}));
    }

    void anNmeaLogIsReplayedAndAMissingOneFails() {
        const QString path = m_dir.filePath(QStringLiteral("track.nmea"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("$GPRMC,120000.00,A,5545.000,N,03737.200,E,0.0,0.0,010325,,,A*5B\r\n"
                   "$GPRMC,120001.00,A,5545.000,N,03737.200,E,0.0,0.0,010325,,,A*5A\r\n");
        file.close();
        PositionOverride replay;
        replay.nmeaFile = path;
        auto location = service(replay, false);
        location->requestWhenInUseAuthorization(PermissionPrompt::Asked::Nobody);
        m_pendingAnswer(true);
        QSignalSpy fixes(location.get(), &LocationService::locationsUpdated);
        location->requestLocation();
        QTRY_VERIFY_WITH_TIMEOUT(fixes.size() >= 1, 10000);
        const QGeoCoordinate c = fixes[0][0].value<QList<QGeoCoordinate>>().first();
        QVERIFY(qAbs(c.latitude() - 55.75) < 1e-6);
        QVERIFY(qAbs(c.longitude() - 37.62) < 1e-6);

        replay.nmeaFile = m_dir.filePath(QStringLiteral("missing.nmea"));
        auto broken = service(replay, false);
        broken->requestWhenInUseAuthorization(PermissionPrompt::Asked::Nobody);
        m_pendingAnswer(true);
        QSignalSpy failures(broken.get(), &LocationService::failed);
        broken->requestLocation();
        QTRY_COMPARE(failures.size(), 1);
        QVERIFY(failures[0][0].toString().contains(u"missing.nmea"));
    }

    void notificationAnswerIsRememberedAndNobodyToAskIsAnError() {
        DesktopNotificationPermission permission(defaults(), prompt());
        QVERIFY(permission.status() == NotificationPermission::Status::NotDetermined);
        QList<bool> answers;
        permission.requestAuthorization(PermissionPrompt::Asked::Nobody,
                                        [&](bool granted, const QString &) { answers << granted; });
        m_pendingAnswer(true);
        QVERIFY(permission.status() == NotificationPermission::Status::Authorized);
        permission.requestAuthorization(PermissionPrompt::Asked::Nobody,
                                        [&](bool granted, const QString &) { answers << granted; });
        QCOMPARE(answers, QList<bool>({true, true}));
        QCOMPARE(m_asked, 1);

        QString error;
        DesktopNotificationPermission headless(defaults(QStringLiteral("headless")),
                                               [](std::function<void(bool)>) { return false; });
        bool granted = true;
        headless.requestAuthorization(PermissionPrompt::Asked::Nobody,
                                      [&](bool g, const QString &e) {
                                          granted = g;
                                          error = e;
                                      });
        QVERIFY(!granted);
        QVERIFY(!error.isEmpty());
        QVERIFY(headless.status() == NotificationPermission::Status::NotDetermined);
    }
};

QTEST_MAIN(TestLocation)
#include "tst_location.moc"
