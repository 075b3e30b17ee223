// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/DeviceDescription.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

// The sealed proof of identity that sign-in sends to the service: the cloud account's record
// name, the local user identifier, the attestation token and the device description, as
// compact JSON sealed with AES-256-GCM under a key shared with the service.
class DeviceEnvelope {
public:
    DeviceEnvelope(QString cloudRecordName, QString localUserID, QByteArray attestationToken,
                   DeviceDescription device);

    // The identity the account was kept under before (the record name the machine yields),
    // sent so the service moves the account to the new one.
    void setPreviousRecordName(const QString &name) { m_previousRecordName = name; }

    // {"tok1": record name, "tok2": local user ID, "tok3": base64 of the attestation token,
    //  "device": {...}}, and "tok1Previous" when there is one; "appVersion" is left out when
    //  empty.
    [[nodiscard]] QJsonObject plaintext() const;

    // Standard base64 of nonce (12 bytes) ‖ ciphertext ‖ tag (16 bytes), with a fresh random
    // nonce each call. `base64Key` is 44 characters of standard base64 for 32 bytes; nothing
    // comes back (and the reason is logged) when the key is malformed or the cipher fails.
    [[nodiscard]] std::optional<QString> seal(const QString &base64Key) const;
    // Seals under the key built into the client.
    [[nodiscard]] std::optional<QString> seal() const;

    // The inverse of sealing any plaintext: nothing when the key, the text or the tag is wrong.
    [[nodiscard]] static std::optional<QByteArray> open(const QString &sealed,
                                                        const QString &base64Key);

private:
    QString m_cloudRecordName;
    QString m_previousRecordName;
    QString m_localUserID;
    QByteArray m_attestationToken;
    DeviceDescription m_device;
};
