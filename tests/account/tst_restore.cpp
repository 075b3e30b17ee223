#include "AlertErrorVC.h"
#include "FakeService.h"
#include "FileSecretBackend.h"
#include "NetworkService.h"
#include "RestoreVC.h"
#include "SceneStart.h"
#include "SecureStore.h"
#include "Window.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestRestore : public QObject {
    Q_OBJECT

    FakeService m_service;
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_service.start());
        NetworkService::shared().setBaseUrl(m_service.baseUrl());
        NetworkService::shared().setPaseto(QStringLiteral("v4.local.member"));
    }

    void init() {
        SecureStore::shared().replaceBackend(
            std::make_unique<FileSecretBackend>(m_dir.filePath(QTest::currentTestFunction())));
        (void)SecureStore::shared().save(QStringLiteral("v4.local.member"),
                                         QStringLiteral("paseto"));
        (void)SecureStore::shared().save(QStringLiteral("delete"), QStringLiteral("screen"));
    }

    void restoredAccountOpensAndRestartsOnTheMainScreen() {
        m_service.respondDelayed(QStringLiteral("restoreUser"), std::chrono::milliseconds(100), 200,
                                 "{}");
        Window window;
        std::unique_ptr<ViewController> first(SceneStart::initialScreen());
        auto *screen = qobject_cast<RestoreVC *>(first.release());
        QVERIFY(screen);
        window.setRoot(screen);
        screen->returnPressed();
        QVERIFY(screen->busy());
        screen->loginButtonTapped();
        QTRY_COMPARE(window.root()->typeName(), QStringLiteral("TabBar"));
        // The main screen then asks for its own data; the restore itself is sent once.
        QCOMPARE(m_service.requests().first().target, QStringLiteral("/restoreUser"));
        QCOMPARE(
            std::count_if(m_service.requests().cbegin(), m_service.requests().cend(),
                          [](const RecordedRequest &r) { return r.target == u"/restoreUser"; }),
            1);
        QCOMPARE(SecureStore::shared().load(QStringLiteral("screen")), QStringLiteral("main"));
        std::unique_ptr<ViewController> restarted(SceneStart::initialScreen());
        QCOMPARE(restarted->typeName(), QStringLiteral("TabBar"));
    }

    void failedRestoreShowsTheReasonAndAllowsAnotherTry() {
        m_service.respond(QStringLiteral("restoreUser"), 500,
                          R"({"reason":"Срок восстановления истёк","error":true})");
        Window window;
        auto *screen = new RestoreVC();
        window.setRoot(screen);
        screen->loginButtonTapped();
        QTRY_VERIFY(qobject_cast<AlertErrorVC *>(screen->presentedViewController()));
        QCOMPARE(qobject_cast<AlertErrorVC *>(screen->presentedViewController())->message(),
                 QStringLiteral("Срок восстановления истёк"));
        QVERIFY(!screen->busy());
        QCOMPARE(window.root(), screen);
        QCOMPARE(SecureStore::shared().load(QStringLiteral("screen")), QStringLiteral("delete"));
    }
};

QTEST_MAIN(TestRestore)
#include "tst_restore.moc"
