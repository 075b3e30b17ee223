// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Result.h"
#include "api/TokenResponse.h"
#include "ui/Services.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

// Signing in with the installation's own identity: a random secret made once and kept in the
// secure store (the record name the machine yields could be computed by anyone else on it, and
// goes along only so the service moves an account kept under it), the stable local user
// identifier, an attestation token and the device description go to the service sealed in one
// envelope, and the access token that comes back is kept in the secure store. Platform answers
// and the service's answer arrive on other threads; every step after them runs on the main
// thread, so the flow's state is never shared.
class SignInFlow : public QObject {
    Q_OBJECT
public:
    // Receives the local user identifier once the attempt is over; the current-user record
    // unless a test replaces it.
    using UserIdRecorder = std::function<void(const QString &userID)>;

    explicit SignInFlow(Services services, QObject *parent = nullptr);

    void setUserIdRecorder(UserIdRecorder recorder) { m_recordUserId = std::move(recorder); }
    // The key the envelope is sealed with: the one built into the client unless replaced.
    void setEnvelopeKey(const QString &base64Key) { m_envelopeKey = base64Key; }

    // Starts one attempt unless one is running. Exactly one of failed() and succeeded() follows.
    void start();
    [[nodiscard]] bool isRunning() const { return m_running; }

Q_SIGNALS:
    // `message` is the text the user sees.
    void failed(const QString &message);
    // The token is stored, handed to the network and the progress value is "name".
    void succeeded();

private:
    void onAccountStatus(bool available);
    void onRecordName(const QString &recordName, const QString &error);
    // The stored local identifier, or a new one that is stored now; empty when it cannot be kept.
    [[nodiscard]] QString localUserId();
    // The installation's secret identity, made and stored on first use; empty when it cannot
    // be kept.
    [[nodiscard]] QString ownIdentity();
    // `own` signs in; `recordName` is the machine's, which older clients signed in with.
    struct Identities {
        QString own;
        QString recordName;
    };
    void attest(const Identities &identities, const QString &userId);
    void seal(const Identities &identities, const QString &userId, const QByteArray &token);
    void onValidated(const Result<TokenResponse> &result, const QString &userId);
    void fail(const QString &message);
    void recordUserId(const QString &userId);

    Services m_services;
    bool m_running = false;
    QString m_envelopeKey;
    UserIdRecorder m_recordUserId;
};
