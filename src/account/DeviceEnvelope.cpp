#include "account/DeviceEnvelope.h"

#include "BuildConfigValues.h"
#include "platform/DiagnosticLog.h"

#include <QJsonDocument>

#include <memory>
#include <openssl/evp.h>
#include <openssl/rand.h>

namespace {

constexpr int keyLength = 32;
constexpr int nonceLength = 12;
constexpr int tagLength = 16;

using CipherPtr = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

CipherPtr newContext() {
    return {EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free};
}

std::optional<QByteArray> decodeKey(const QString &base64Key) {
    const auto decoded = QByteArray::fromBase64Encoding(base64Key.toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != keyLength)
        return std::nullopt;
    return decoded.decoded;
}

const unsigned char *bytes(const QByteArray &array) {
    return reinterpret_cast<const unsigned char *>(array.constData());
}

unsigned char *bytes(QByteArray &array) {
    return reinterpret_cast<unsigned char *>(array.data());
}

std::optional<QString> failure(const char *reason) {
    qCWarning(lcAccount).noquote()
        << QStringLiteral("Device envelope sealing failed: ") + QString::fromLatin1(reason);
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
    return {{QStringLiteral("tok1"), m_cloudRecordName},
            {QStringLiteral("tok2"), m_localUserID},
            {QStringLiteral("tok3"), QString::fromLatin1(m_attestationToken.toBase64())},
            {QStringLiteral("device"), device}};
}

std::optional<QString> DeviceEnvelope::seal() const {
    return seal(QStringLiteral(ZIREL_BUILD_ENVELOPE_KEY));
}

std::optional<QString> DeviceEnvelope::seal(const QString &base64Key) const {
    const std::optional<QByteArray> key = decodeKey(base64Key);
    if (!key)
        return failure("the key is not base64 of 32 bytes");
    const QByteArray message = QJsonDocument(plaintext()).toJson(QJsonDocument::Compact);

    QByteArray box(nonceLength + message.size() + tagLength, Qt::Uninitialized);
    if (RAND_bytes(bytes(box), nonceLength) != 1)
        return failure("no random nonce");
    const CipherPtr context = newContext();
    unsigned char *cipherText = bytes(box) + nonceLength;
    int written = 0;
    int finalWritten = 0;
    if (!context ||
        EVP_EncryptInit_ex(context.get(), EVP_aes_256_gcm(), nullptr, bytes(*key), bytes(box)) !=
            1 ||
        EVP_EncryptUpdate(context.get(), cipherText, &written, bytes(message),
                          int(message.size())) != 1 ||
        EVP_EncryptFinal_ex(context.get(), cipherText + written, &finalWritten) != 1 ||
        written + finalWritten != message.size() ||
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_GET_TAG, tagLength,
                            cipherText + message.size()) != 1)
        return failure("the cipher reported an error");
    return QString::fromLatin1(box.toBase64());
}

std::optional<QByteArray> DeviceEnvelope::open(const QString &sealed, const QString &base64Key) {
    const std::optional<QByteArray> key = decodeKey(base64Key);
    const auto box =
        QByteArray::fromBase64Encoding(sealed.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!key || !box || box.decoded.size() < nonceLength + tagLength)
        return std::nullopt;
    const QByteArray &data = box.decoded;
    const qsizetype messageLength = data.size() - nonceLength - tagLength;
    QByteArray message(messageLength, Qt::Uninitialized);
    QByteArray tag = data.right(tagLength);

    const CipherPtr context = newContext();
    int written = 0;
    int finalWritten = 0;
    if (!context ||
        EVP_DecryptInit_ex(context.get(), EVP_aes_256_gcm(), nullptr, bytes(*key), bytes(data)) !=
            1 ||
        EVP_DecryptUpdate(context.get(), bytes(message), &written, bytes(data) + nonceLength,
                          int(messageLength)) != 1 ||
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_TAG, tagLength, tag.data()) != 1 ||
        EVP_DecryptFinal_ex(context.get(), bytes(message) + written, &finalWritten) != 1)
        return std::nullopt;
    return message;
}
