// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FakeService.h"
#include "StandInVC.h"
#include "TestServices.h"
#include "account/AccountAlertVC.h"
#include "account/DeleteAccountVC.h"
#include "account/RestoreVC.h"
#include "api/NetworkService.h"
#include "app/AppScreens.h"
#include "app/SceneStart.h"
#include "platform/FileSecretBackend.h"
#include "platform/SecureStore.h"
#include "ui/AlertErrorVC.h"
#include "ui/NavigationContainer.h"
#include "ui/Window.h"

#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Deleting the account from the settings, and bringing it back from the restore screen.
class TestDeleteAccount : public QObject {
    Q_OBJECT

    TestServices m_services;

    FakeService m_service;
    QTemporaryDir m_dir;

    // The settings stand-in with the delete screen pushed on it, as the window's root.
    DeleteAccountVC *openFromSettings(Window &window) {
        auto *settings = new NavigationContainer(new StandInVC(QStringLiteral("SettingsVC")));
        window.setRoot(settings);
        auto *screen = new DeleteAccountVC(m_services.services());
        settings->push(screen, false);
        return screen;
    }
    static AccountAlertVC *confirmation(DeleteAccountVC *screen) {
        screen->deleteButtonTapped();
        return qobject_cast<AccountAlertVC *>(screen->presentedViewController());
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_service.start());
        m_services.services().network().setBaseUrl(m_service.baseUrl());
        m_services.services().network().setPaseto(QStringLiteral("v4.local.member"));
    }

    void init() {
        m_services.services().secureStore().replaceBackend(
            std::make_unique<FileSecretBackend>(m_dir.filePath(QTest::currentTestFunction())));
        (void)m_services.services().secureStore().save(QStringLiteral("v4.local.member"),
                                                       QStringLiteral("paseto"));
        (void)m_services.services().secureStore().setProgress(Progress::Main);
        m_service.clearRequests();
    }

    void freezeAndCancelOnlyGoBack() {
        Window window;
        DeleteAccountVC *screen = openFromSettings(window);
        AccountAlertVC *alert = confirmation(screen);
        QVERIFY(alert);
        alert->escapePressed();
        QVERIFY(!screen->presentedViewController());
        // Return is the safe answer to a destructive question, not the deletion.
        alert = confirmation(screen);
        QVERIFY(alert);
        QVERIFY(alert->handleKey(KeyCommand::Return));
        QVERIFY(!screen->presentedViewController());

        screen->freezeButtonTapped();
        QCOMPARE(qobject_cast<NavigationContainer *>(window.root())->depth(), 1);
        QTest::qWait(50);
        QVERIFY(m_service.requests().isEmpty());
    }

    void deletedAccountRestartsOnTheRestoreScreen() {
        m_service.respond(QStringLiteral("deleteAccount"), 200, "{}");
        Window window;
        confirmation(openFromSettings(window))->actionTapped(1);
        QTRY_COMPARE(window.root()->typeName(), QStringLiteral("RestoreVC"));
        QCOMPARE(m_service.requestsTo(QStringLiteral("deleteAccount")).size(), 1);
        QCOMPARE(m_services.services().secureStore().progress(), Progress::Delete);
    }

    void failedDeletionStaysWithTheReason() {
        m_service.respond(QStringLiteral("deleteAccount"), 500,
                          R"({"reason":"Сервис временно недоступен","error":true})");
        Window window;
        DeleteAccountVC *screen = openFromSettings(window);
        confirmation(screen)->actionTapped(1);
        QTRY_VERIFY(qobject_cast<AlertErrorVC *>(screen->presentedViewController()));
        QCOMPARE(qobject_cast<AlertErrorVC *>(screen->presentedViewController())->message(),
                 QStringLiteral("Сервис временно недоступен"));
        QVERIFY(!screen->busy());
        QCOMPARE(qobject_cast<NavigationContainer *>(window.root())->topViewController(), screen);
        QCOMPARE(m_services.services().secureStore().progress(), Progress::Main);
    }

    void restoredAccountOpensAndRestartsOnTheMainScreen() {
        (void)m_services.services().secureStore().setProgress(Progress::Delete);
        m_service.respondDelayed(QStringLiteral("restoreUser"), std::chrono::milliseconds(100), 200,
                                 "{}");
        Window window;
        AppScreens::install(m_services.services().screens());
        std::unique_ptr<ViewController> first(SceneStart::initialScreen(m_services.services()));
        auto *screen = qobject_cast<RestoreVC *>(first.release());
        QVERIFY(screen);
        window.setRoot(screen);
        screen->returnPressed();
        QVERIFY(screen->busy());
        screen->loginButtonTapped();
        QTRY_COMPARE(window.root()->typeName(), QStringLiteral("TabBar"));
        // The main screen then asks for its own data; the restore itself is sent once.
        QCOMPARE(m_service.requestsTo(QStringLiteral("restoreUser")).size(), 1);
        QCOMPARE(m_services.services().secureStore().progress(), Progress::Main);
    }

    // A blocked account asking to be restored stays on the restore screen and reads why, as
    // does one the service fails for; only a block changes where the next start opens.
    void aFailedRestoreStaysWithTheReason_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Progress>("stored");
        QTest::newRow("blocked") << 451 << QByteArray("{}") << "Твой аккаунт заблокирован"
                                 << Progress::Ban;
        QTest::newRow("service error")
            << 500 << QByteArray(R"({"reason":"Срок восстановления истёк","error":true})")
            << "Срок восстановления истёк" << Progress::Delete;
    }

    void aFailedRestoreStaysWithTheReason() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, message);
        QFETCH(Progress, stored);
        (void)m_services.services().secureStore().setProgress(Progress::Delete);
        m_service.respond(QStringLiteral("restoreUser"), status, body);
        Window window;
        SceneStart::connect(window, m_services.services());
        const QPointer<RestoreVC> screen = qobject_cast<RestoreVC *>(window.root());
        QVERIFY(screen);
        screen->loginButtonTapped();
        QTRY_VERIFY(qobject_cast<AlertErrorVC *>(window.root()->presentedViewController()));
        QCOMPARE(qobject_cast<AlertErrorVC *>(window.root()->presentedViewController())->message(),
                 message);
        QVERIFY(screen);
        QCOMPARE(window.root(), screen.data());
        QVERIFY(!screen->busy());
        QCOMPARE(m_services.services().secureStore().progress(), stored);
    }
};

QTEST_MAIN(TestDeleteAccount)
#include "tst_deleteaccount.moc"
