// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FakeLocation.h"
#include "FakePermission.h"
#include "FakeService.h"
#include "StandInVC.h"
#include "StdoutCapture.h"
#include "TestServices.h"
#include "api/NetworkService.h"
#include "app/AppScreens.h"
#include "app/PushRegistration.h"
#include "app/SceneStart.h"
#include "onboarding/GeoVC.h"
#include "onboarding/NotificationVC.h"
#include "platform/DesktopLocationService.h"
#include "platform/DesktopNotificationPermission.h"
#include "platform/FileSecretBackend.h"
#include "platform/LocationService.h"
#include "platform/NotificationPermission.h"
#include "platform/SecureStore.h"
#include "store/UserManager.h"
#include "ui/AppServices.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"
#include "ui/Window.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The location and notification steps: which permission answer leads where, and what each
// step keeps for the next start.
class TestPermissionSteps : public QObject {
    Q_OBJECT

    TestServices m_owned;

    FakeService m_service;
    QTemporaryDir m_dir;
    std::unique_ptr<NetworkService> m_network;
    std::unique_ptr<UserManager> m_user;
    FakeLocation *m_location = nullptr;
    FakePermission *m_permission = nullptr;
    Services m_services;

    // The first location step as the window's only screen, loaded as when it is shown.
    GeoVC *openGeo(Window &window, GeoVC::GeoType type = GeoVC::GeoType::first) {
        auto *geo = new GeoVC(type, m_services);
        window.setRoot(new NavigationContainer(geo));
        geo->loadViewIfNeeded();
        return geo;
    }
    static QString front(Window &window) {
        auto *navigation = qobject_cast<NavigationContainer *>(window.root());
        return navigation ? navigation->topViewController()->typeName() : window.root()->typeName();
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_services = m_owned.services();
        QVERIFY(m_service.start());
        m_network = m_service.client(QStringLiteral("v4.local.member"));
        m_user = std::make_unique<UserManager>(
            std::make_unique<QSettings>(m_dir.filePath("user.ini"), QSettings::IniFormat));
        m_services.setNetwork(*m_network).setUser(*m_user);
        m_services.secureStore().replaceBackend(
            std::make_unique<FileSecretBackend>(m_dir.filePath("store")));
        (void)m_services.secureStore().save(QStringLiteral("v4.local.member"),
                                            QStringLiteral("paseto"));
        // The feed would ask its own questions; these tests only see that it opens.
        AppScreens::install(m_services.screens());
        m_services.screens().install(ScreenFactory::Screen::Main, [](const Services &) {
            return new StandInVC(QStringLiteral("TabBar"));
        });
    }

    void init() {
        auto location = std::make_unique<FakeLocation>();
        location->status = LocationAuthorization::NotDetermined;
        m_location = location.get();
        m_services.platform().setLocationService(std::move(location));
        auto permission = std::make_unique<FakePermission>();
        permission->answer = NotificationPermission::Status::NotDetermined;
        m_permission = permission.get();
        m_services.platform().setNotificationPermission(std::move(permission));
        m_service.clearRequests();
    }

    void askingFollowsTheAnswer() {
        Window window;
        GeoVC *geo = openGeo(window);
        QCOMPARE(m_services.secureStore().progress(), Progress::Geo);
        QVERIFY(!geo->showsTextButton());
        geo->handleKey(KeyCommand::Return);
        QCOMPARE(m_location->authorizationRequests, 1);

        // Refused: the explanation comes on top, and back returns to the question.
        m_location->decide(LocationAuthorization::Denied);
        auto *navigation = qobject_cast<NavigationContainer *>(window.root());
        QCOMPARE(navigation->depth(), 2);
        auto *fail = qobject_cast<GeoVC *>(navigation->topViewController());
        QVERIFY(fail && fail->geoType() == GeoVC::GeoType::fail);
        fail->nextButtonTapped();
        QCOMPARE(m_location->settingsOpened, 1);
        navigation->pop(false);
        QCOMPARE(navigation->topViewController(), geo);

        // Undetermined again asks again; allowed goes on to the notifications question.
        m_location->decide(LocationAuthorization::NotDetermined);
        QCOMPARE(m_location->authorizationRequests, 2);
        m_location->decide(LocationAuthorization::AuthorizedWhenInUse);
        QCOMPARE(front(window), QStringLiteral("NotificationVC"));
        QCOMPARE(navigation->depth(), 1);
    }

    // A desktop asks nothing behind the client: each step's own "Разрешить" is the answer, and
    // no second question with the same words follows it.
    void oneAllowOnEachStepIsEnough() {
        int questions = 0;
        const PermissionPrompt::Ask counted = [&questions](const std::function<void(bool)> &) {
            ++questions;
            return true;
        };
        const auto defaults = [this](const QString &name) {
            return std::make_unique<QSettings>(m_dir.filePath(name), QSettings::IniFormat);
        };
        PositionOverride moscow;
        moscow.fixed = QGeoCoordinate(55.75, 37.61);
        m_services.platform().setLocationService(std::make_unique<DesktopLocationService>(
            defaults(QStringLiteral("location.ini")), moscow, false, counted));
        m_services.platform().setNotificationPermission(
            std::make_unique<DesktopNotificationPermission>(
                defaults(QStringLiteral("notifications.ini")), counted));
        Window window;
        openGeo(window)->handleKey(KeyCommand::Return);
        QTRY_COMPARE(front(window), QStringLiteral("NotificationVC"));
        qobject_cast<NavigationContainer *>(window.root())
            ->topViewController()
            ->handleKey(KeyCommand::Return);
        QCOMPARE(window.root()->typeName(), QStringLiteral("TabBar"));
        QCOMPARE(questions, 0);
        QVERIFY(m_services.platform().locationService().authorizationStatus() ==
                LocationAuthorization::AuthorizedWhenInUse);
        QVERIFY(m_services.platform().notificationPermission().status() ==
                NotificationPermission::Status::Authorized);
    }

    void aGrantedPositionLeadsOnAndDecidedNotificationsSkipTheirStep() {
        Window window;
        m_location->status = LocationAuthorization::AuthorizedAlways;
        GeoVC *geo = openGeo(window);
        geo->nextButtonTapped();
        QCOMPARE(m_location->locationRequests, 1);
        m_location->fix(55.75, 37.61);
        QCOMPARE(front(window), QStringLiteral("NotificationVC"));

        // "Не сейчас" when notifications were answered long ago goes straight to the feed.
        m_permission->answer = NotificationPermission::Status::Denied;
        GeoVC *fail = openGeo(window, GeoVC::GeoType::fail);
        QVERIFY(fail->showsTextButton());
        fail->textButtonTapped();
        QCOMPARE(window.root()->typeName(), QStringLiteral("TabBar"));
        QCOMPARE(m_services.secureStore().progress(), Progress::Main);
        QCOMPARE(m_permission->requests, 0);
    }

    void aRestartOnEitherLocationScreenAsksAgain() {
        Window window;
        openGeo(window, GeoVC::GeoType::fail);
        std::unique_ptr<ViewController> restarted(SceneStart::initialScreen(m_services));
        auto *navigation = qobject_cast<NavigationContainer *>(restarted.get());
        QVERIFY(navigation);
        auto *geo = qobject_cast<GeoVC *>(navigation->topViewController());
        QVERIFY(geo);
        QCOMPARE(geo->geoType(), GeoVC::GeoType::first);
    }

    void theNotificationStepReportsThePositionOnceAndAlwaysGoesOn() {
        m_service.respond(QStringLiteral("user/geo"), 200, "{}");
        m_location->status = LocationAuthorization::AuthorizedWhenInUse;
        Window window;
        auto *step = new NotificationVC(m_services);
        window.setRoot(new NavigationContainer(step));
        step->loadViewIfNeeded();
        QCOMPARE(m_services.secureStore().progress(), Progress::Notification);
        QCOMPARE(m_location->locationRequests, 1);
        m_location->fix(55.75, 37.61);
        m_location->fix(10, 10);
        QTRY_COMPARE(m_user->currentUser().longitude, 37.61);
        QCOMPARE(m_user->currentUser().lat, 55.75);
        QCOMPARE(m_service.requestsTo("user/geo").size(), 1);
        QCOMPARE(m_service.requestsTo("user/geo").first().json().value("lat").toDouble(), 55.75);

        step->handleKey(KeyCommand::Return);
        QCOMPARE(m_permission->requests, 1);
        QCOMPARE(m_permission->registrations, 1);
        QCOMPARE(window.root()->typeName(), QStringLiteral("TabBar"));
        QCOMPARE(m_services.secureStore().progress(), Progress::Main);

        // Refusing and "Не сейчас" both still open the feed; only "Разрешить" asks.
        auto *again = new NotificationVC(m_services);
        window.setRoot(new NavigationContainer(again));
        again->textButtonTapped();
        QCOMPARE(window.root()->typeName(), QStringLiteral("TabBar"));
        QCOMPARE(m_permission->requests, 1);
    }

    // The push service's address for this machine reaches the service as hexadecimal text;
    // only an accepted one is remembered, so a refused one is sent again on the next start.
    void thePushAddressIsRememberedOnlyOnceTheServiceHasIt() {
        QSettings().remove(QStringLiteral("push_token_sent"));
        PushRegistration registration(*m_permission, *m_network);

        m_service.respond(QStringLiteral("pushToken"), 500,
                          R"({"reason":"Сервис недоступен","error":true})");
        {
            StdoutCapture log;
            m_permission->deliverToken(QByteArray("\xc0\xff\xee", 3));
            QTRY_COMPARE(m_service.requestsTo("pushToken").size(), 1);
            QVERIFY2(log.text().contains(QStringLiteral("deviceToken (3 байт)")),
                     qPrintable(log.text()));
            QVERIFY2(!log.text().contains(QStringLiteral("c0ffee")), qPrintable(log.text()));
        }
        QCOMPARE(m_service.requestsTo("pushToken").first().json().value("pushToken"), "c0ffee");
        QTest::qWait(50);
        QVERIFY(!QSettings().value(QStringLiteral("push_token_sent"), false).toBool());

        m_service.respond(QStringLiteral("pushToken"), 200, "{}");
        m_permission->deliverToken(QByteArray("\x0a\xff", 2));
        QTRY_VERIFY(QSettings().value(QStringLiteral("push_token_sent"), false).toBool());
    }
};

QTEST_MAIN(TestPermissionSteps)
#include "tst_permissionsteps.moc"
