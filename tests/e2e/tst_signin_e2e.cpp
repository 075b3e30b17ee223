#include "Endpoints.h"
#include "FileSecretBackend.h"
#include "NavigationContainer.h"
#include "NetworkService.h"
#include "SecureStore.h"
#include "ServiceProcess.h"
#include "StartVC.h"
#include "Window.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// A fresh client signs in against the reference service with the desktop's own platform layer
// (machine identity, installation attestation, device information) and then uses its token.
class TestSignInEndToEnd : public QObject {
    Q_OBJECT

    ServiceProcess m_service{{QStringLiteral("--no-demo")}};
    QTemporaryDir m_dir;

    // Presses "Войти" on a new sign-in screen and waits for the name step.
    static bool signIn() {
        Window window;
        auto *screen = new StartVC();
        window.setRoot(screen);
        screen->loginButtonTapped();
        return QTest::qWaitFor(
            [screen] {
                return qobject_cast<NavigationContainer *>(screen->presentedViewController());
            },
            15000);
    }
    static Result<User> fetchUser() {
        std::optional<Result<User>> answer;
        Endpoints::user([&answer](const Result<User> &result) { answer = result; });
        (void)QTest::qWaitFor([&answer] { return answer.has_value(); }, 15000);
        return answer.value_or(
            Result<User>::failure(APIError::client(QStringLiteral("no answer"))));
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(m_service.start(), qPrintable(m_service.output()));
        NetworkService::shared().setBaseUrl(m_service.baseUrl());
        SecureStore::shared().replaceBackend(
            std::make_unique<FileSecretBackend>(m_dir.filePath(QStringLiteral("store.json"))));
    }

    void freshClientSignsInAndKeepsItsIdentity() {
        QVERIFY2(signIn(), qPrintable(m_service.output()));
        SecureStore &store = SecureStore::shared();
        const std::optional<QString> token = store.load(QStringLiteral("paseto"));
        QVERIFY(token && !token->isEmpty());
        QCOMPARE(store.load(QStringLiteral("screen")), QStringLiteral("name"));
        const QString userId = store.load(QStringLiteral("passkeyUserID")).value_or(QString());

        Result<User> user = fetchUser();
        QVERIFY2(user.ok(), qPrintable(user.ok() ? QString() : user.error().reason));
        QCOMPARE(user.value().userID, userId);

        // Signing in again on the same machine is the same person with a new working token.
        NetworkService::shared().setPaseto(std::nullopt);
        QVERIFY(signIn());
        QCOMPARE(store.load(QStringLiteral("passkeyUserID")), userId);
        user = fetchUser();
        QVERIFY(user.ok());
        QCOMPARE(user.value().userID, userId);
    }
};

QTEST_MAIN(TestSignInEndToEnd)
#include "tst_signin_e2e.moc"
