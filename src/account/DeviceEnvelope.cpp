// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "account/DeviceEnvelope.h"

#include "BuildConfigValues.h"
#include "platform/DiagnosticLog.h"
#include "platform/SealedBox.h"

#include <QJsonDocument>

namespace {

std::optional<QByteArray> decodeKey(const QString &base64Key) {
    const auto decoded = QByteArray::fromBase64Encoding(base64Key.toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != SealedBox::keyLength)
        return std::nullopt;
    return decoded.decoded;
}

std::optional<QString> failure(const QString &reason) {
    qCWarning(lcAccount).noquote() << QStringLiteral("Device envelope sealing failed: ") + reason;
    return std::nullopt;
}

} // namespace

DeviceEnvelope::DeviceEnvelope(QString cloudRecordName, QString localUserID,
                               QByteArray attestationToken, DeviceDescription device)
    : m_cloudRecordName(std::move(cloudRecordName))
    , m_localUserID(std::move(localUserID))
    , m_attestationToken(std::move(attestationToken))
    , m_device(std::move(device)) {}

QJsonObject DeviceEnvelope::plaintext() const {
    QJsonObject device{{QStringLiteral("deviceName"), m_device.deviceName},
                       {QStringLiteral("deviceModel"), m_device.deviceModel},
                       {QStringLiteral("systemName"), m_device.systemName},
                       {QStringLiteral("systemVersion"), m_device.systemVersion}};
    if (!m_device.appVersion.isEmpty())
        device.insert(QStringLiteral("appVersion"), m_device.appVersion);
    QJsonObject plain{{QStringLiteral("tok1"), m_cloudRecordName},
                      {QStringLiteral("tok2"), m_localUserID},
                      {QStringLiteral("tok3"), QString::fromLatin1(m_attestationToken.toBase64())},
                      {QStringLiteral("device"), device}};
    if (!m_previousRecordName.isEmpty())
        plain.insert(QStringLiteral("tok1Previous"), m_previousRecordName);
    return plain;
}

std::optional<QString> DeviceEnvelope::seal() const {
    return seal(QStringLiteral(ZIREL_BUILD_ENVELOPE_KEY));
}

std::optional<QString> DeviceEnvelope::seal(const QString &base64Key) const {
    const std::optional<QByteArray> key = decodeKey(base64Key);
    if (!key)
        return failure(QStringLiteral("the key is not base64 of 32 bytes"));
    const std::optional<QByteArray> box =
        SealedBox::seal(*key, QJsonDocument(plaintext()).toJson(QJsonDocument::Compact));
    if (!box)
        return failure(QStringLiteral("the cipher reported an error"));
    return QString::fromLatin1(box->toBase64());
}

std::optional<QByteArray> DeviceEnvelope::open(const QString &sealed, const QString &base64Key) {
    const std::optional<QByteArray> key = decodeKey(base64Key);
    const auto box =
        QByteArray::fromBase64Encoding(sealed.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!key || !box)
        return std::nullopt;
    return SealedBox::open(*key, box.decoded);
}
