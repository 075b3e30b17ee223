// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ReferenceClient.h"
#include "ServiceProcess.h"
#include "TestServices.h"
#include "api/Endpoints.h"
#include "api/NetworkService.h"
#include "app/SceneStart.h"
#include "onboarding/BioInputVC.h"
#include "platform/SecureStore.h"
#include "ui/NavigationContainer.h"
#include "ui/Window.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// A fresh client signs in against the reference service with the desktop's own platform layer
// (machine identity, installation attestation, device information) and then uses its token.
class TestSignInEndToEnd : public QObject {
    Q_OBJECT

    TestServices m_services;

    ServiceProcess m_service{{QStringLiteral("--no-demo")}};
    QTemporaryDir m_dir;

    Result<User> fetchUser() {
        return ReferenceClient::await<User>(
                   [this](auto done) { Endpoints::user(done, m_services.services().network()); })
            .value_or(Result<User>::failure(APIError::client(QStringLiteral("no answer"))));
    }
    bool signIn() {
        Window window;
        return ReferenceClient::signIn(window, m_services.services());
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(m_service.start(), qPrintable(m_service.output()));
        ReferenceClient::connect(m_services.services(), m_service, m_dir);
    }

    void freshClientSignsInAndKeepsItsIdentity() {
        QVERIFY2(signIn(), qPrintable(m_service.output()));
        SecureStore &store = m_services.services().secureStore();
        const std::optional<QString> token = store.load(QStringLiteral("paseto"));
        QVERIFY(token && !token->isEmpty());
        const QString userId = store.load(QStringLiteral("passkeyUserID")).value_or(QString());

        Result<User> user = fetchUser();
        QVERIFY2(user.ok(), qPrintable(user.ok() ? QString() : user.error().reason));
        QCOMPARE(user.value().userID, userId);

        // Signing in again on the same machine is the same person with a new working token.
        m_services.services().network().setPaseto(std::nullopt);
        QVERIFY(signIn());
        QCOMPARE(store.load(QStringLiteral("passkeyUserID")), userId);
        user = fetchUser();
        QVERIFY(user.ok());
        QCOMPARE(user.value().userID, userId);
    }

    // The last registration step reaches the service; a restart then opens the photo step.
    void registrationIsKeptAndTheNextStartGoesOnToThePhotos() {
        QVERIFY(signIn());
        Window window;
        auto *bio =
            new BioInputVC(QStringLiteral("Ян"), QStringLiteral("15061990"), GenderSelection::man,
                           GenderSelection::woman, m_services.services());
        auto *navigation = new NavigationContainer(bio);
        window.setRoot(navigation);
        QVERIFY(bio->proposeText(QStringLiteral("Люблю горы")));
        bio->nextButtonTapped();
        QTRY_COMPARE(navigation->topViewController()->typeName(), QStringLiteral("PhotoGridVC"));

        const Result<User> user = fetchUser();
        QVERIFY(user.ok());
        QCOMPARE(user.value().name, QStringLiteral("Ян"));
        QCOMPARE(user.value().birthday, QStringLiteral("15061990"));
        QCOMPARE(user.value().bio, QStringLiteral("Люблю горы"));
        QCOMPARE(user.value().selectedGender, GenderSelection::woman);

        std::unique_ptr<ViewController> restarted(SceneStart::initialScreen(m_services.services()));
        auto *resumed = qobject_cast<NavigationContainer *>(restarted.get());
        QVERIFY(resumed);
        QCOMPARE(resumed->topViewController()->typeName(), QStringLiteral("PhotoGridVC"));
    }
};

QTEST_MAIN(TestSignInEndToEnd)
#include "tst_signin_e2e.moc"
