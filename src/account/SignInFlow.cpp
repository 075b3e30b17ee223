// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "account/SignInFlow.h"

#include "BuildConfigValues.h"
#include "account/DeviceEnvelope.h"
#include "api/Endpoints.h"
#include "platform/CloudAccount.h"
#include "platform/DeviceAttestation.h"
#include "platform/DeviceInfo.h"
#include "platform/DiagnosticLog.h"
#include "platform/SecureStore.h"
#include "store/UserManager.h"
#include "ui/AppServices.h"
#include "ui/MainThreadReceiver.h"

#include <QRandomGenerator>
#include <QUuid>

namespace {
const QString tokenKey = QStringLiteral("paseto");
const QString userIdKey = QStringLiteral("passkeyUserID");
const QString identityKey = QStringLiteral("signInIdentity");
} // namespace

SignInFlow::SignInFlow(Services services, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_envelopeKey(QStringLiteral(ZIREL_BUILD_ENVELOPE_KEY))
    , m_recordUserId([services](const QString &userId) {
        UserManager &store = services.user();
        User user = store.currentUser();
        user.userID = userId;
        store.setCurrentUser(user);
        store.save(user);
    }) {}

void SignInFlow::start() {
    if (m_running)
        return;
    m_running = true;
    m_services.platform().cloudAccount().accountStatus(
        [to = MainThreadReceiver(this)](bool available, const QString &) {
            to.post([available](SignInFlow &flow) { flow.onAccountStatus(available); });
        });
}

void SignInFlow::onAccountStatus(bool available) {
    if (!available) {
        fail(tr("Чтобы продолжить, войди в iCloud на данном устройстве"));
        return;
    }
    m_services.platform().cloudAccount().fetchRecordName(
        [to = MainThreadReceiver(this)](const QString &recordName, const QString &error) {
            to.post(
                [recordName, error](SignInFlow &flow) { flow.onRecordName(recordName, error); });
        });
}

void SignInFlow::onRecordName(const QString &recordName, const QString &error) {
    if (!error.isEmpty()) {
        fail(tr("Ошибка iCloud: ") + error);
        return;
    }
    if (recordName.isEmpty()) {
        fail(tr("Ошибка: iCloud ID не найден"));
        return;
    }
    const QString userId = localUserId();
    if (userId.isEmpty()) {
        fail(tr("Ошибка получения UserID"));
        return;
    }
    const QString own = ownIdentity();
    if (own.isEmpty()) {
        fail(tr("Не удалось сохранить ключ входа на устройстве"));
        return;
    }
    attest({own, recordName}, userId);
}

QString SignInFlow::ownIdentity() {
    SecureStore &store = m_services.secureStore();
    if (const std::optional<QString> stored = store.load(identityKey); stored && !stored->isEmpty())
        return *stored;
    QByteArray secret(32, Qt::Uninitialized);
    QRandomGenerator::system()->generate(secret.begin(), secret.end());
    const QString created = QLatin1Char('_') + QString::fromLatin1(secret.toHex());
    return store.save(created, identityKey) ? created : QString();
}

QString SignInFlow::localUserId() {
    SecureStore &store = m_services.secureStore();
    if (const std::optional<QString> stored = store.load(userIdKey); stored && !stored->isEmpty()) {
        qCInfo(lcAccount).noquote() << QStringLiteral("Restored user ID: ") + *stored;
        return *stored;
    }
    const QString created = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    if (!store.save(created, userIdKey))
        return {};
    qCInfo(lcAccount).noquote() << QStringLiteral("New user ID saved: ") + created;
    return created;
}

void SignInFlow::attest(const Identities &identities, const QString &userId) {
    DeviceAttestation &attestation = m_services.platform().deviceAttestation();
    if (!attestation.isSupported()) {
        fail(tr("Данный девайс не поддерживается"));
        return;
    }
    attestation.generateToken([to = MainThreadReceiver(this), identities,
                               userId](const QByteArray &token, const QString &error) {
        to.post([identities, userId, token, error](SignInFlow &flow) {
            if (!token.isEmpty())
                flow.seal(identities, userId, token);
            else if (!error.isEmpty())
                flow.fail(tr("Ошибка генерации токена: ") + error);
            else
                flow.fail(tr("Ошибка генерации токена"));
        });
    });
}

void SignInFlow::seal(const Identities &identities, const QString &userId,
                      const QByteArray &token) {
    DeviceEnvelope envelope(identities.own, userId, token,
                            m_services.platform().deviceInfo().description());
    envelope.setPreviousRecordName(identities.recordName);
    const std::optional<QString> sealed = envelope.seal(m_envelopeKey);
    if (!sealed) {
        fail(tr("Ошибка шифрования"));
        recordUserId(userId);
        return;
    }
    Endpoints::validateDevice(
        *sealed,
        [to = MainThreadReceiver(this), userId](const Result<TokenResponse> &result) {
            to.post([result, userId](SignInFlow &flow) { flow.onValidated(result, userId); });
        },
        m_services.network());
}

void SignInFlow::onValidated(const Result<TokenResponse> &result, const QString &userId) {
    if (!result.ok()) {
        fail(result.error().reason);
    } else {
        SecureStore &store = m_services.secureStore();
        const QString token = result.value().token;
        if (store.save(token, tokenKey)) {
            m_services.network().setPaseto(token);
            (void)store.setProgress(Progress::Name);
            m_running = false;
            Q_EMIT succeeded();
        } else {
            fail(tr("Не удалось сохранить токен на устройстве"));
        }
    }
    recordUserId(userId);
}

void SignInFlow::fail(const QString &message) {
    m_running = false;
    Q_EMIT failed(message);
}

void SignInFlow::recordUserId(const QString &userId) {
    m_recordUserId(userId);
}
