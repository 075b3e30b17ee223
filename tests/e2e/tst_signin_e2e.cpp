#include "ReferenceClient.h"
#include "ServiceProcess.h"
#include "api/Endpoints.h"
#include "api/NetworkService.h"
#include "platform/SecureStore.h"
#include "ui/Window.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// A fresh client signs in against the reference service with the desktop's own platform layer
// (machine identity, installation attestation, device information) and then uses its token.
class TestSignInEndToEnd : public QObject {
    Q_OBJECT

    ServiceProcess m_service{{QStringLiteral("--no-demo")}};
    QTemporaryDir m_dir;

    static Result<User> fetchUser() {
        return ReferenceClient::await<User>([](auto done) { Endpoints::user(done); })
            .value_or(Result<User>::failure(APIError::client(QStringLiteral("no answer"))));
    }
    static bool signIn() {
        Window window;
        return ReferenceClient::signIn(window);
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(m_service.start(), qPrintable(m_service.output()));
        ReferenceClient::connect(m_service, m_dir);
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
