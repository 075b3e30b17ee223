// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/SealedBox.h"

#include <memory>
#include <openssl/evp.h>
#include <openssl/rand.h>

namespace {

constexpr int nonceLength = 12;
constexpr int tagLength = 16;

using CipherPtr = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

CipherPtr newContext() {
    return {EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free};
}

const unsigned char *bytes(const QByteArray &array) {
    return reinterpret_cast<const unsigned char *>(array.constData());
}

unsigned char *bytes(QByteArray &array) {
    return reinterpret_cast<unsigned char *>(array.data());
}

} // namespace

std::optional<QByteArray> SealedBox::seal(const QByteArray &key, const QByteArray &message) {
    if (key.size() != keyLength)
        return std::nullopt;
    QByteArray box(nonceLength + message.size() + tagLength, Qt::Uninitialized);
    if (RAND_bytes(bytes(box), nonceLength) != 1)
        return std::nullopt;
    const CipherPtr context = newContext();
    unsigned char *cipherText = bytes(box) + nonceLength;
    int written = 0;
    int finalWritten = 0;
    if (!context ||
        EVP_EncryptInit_ex(context.get(), EVP_aes_256_gcm(), nullptr, bytes(key), bytes(box)) !=
            1 ||
        EVP_EncryptUpdate(context.get(), cipherText, &written, bytes(message),
                          int(message.size())) != 1 ||
        EVP_EncryptFinal_ex(context.get(), cipherText + written, &finalWritten) != 1 ||
        written + finalWritten != message.size() ||
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_GET_TAG, tagLength,
                            cipherText + message.size()) != 1)
        return std::nullopt;
    return box;
}

std::optional<QByteArray> SealedBox::open(const QByteArray &key, const QByteArray &box) {
    if (key.size() != keyLength || box.size() < nonceLength + tagLength)
        return std::nullopt;
    const qsizetype messageLength = box.size() - nonceLength - tagLength;
    QByteArray message(messageLength, Qt::Uninitialized);
    QByteArray tag = box.right(tagLength);

    const CipherPtr context = newContext();
    int written = 0;
    int finalWritten = 0;
    if (!context ||
        EVP_DecryptInit_ex(context.get(), EVP_aes_256_gcm(), nullptr, bytes(key), bytes(box)) !=
            1 ||
        EVP_DecryptUpdate(context.get(), bytes(message), &written, bytes(box) + nonceLength,
                          int(messageLength)) != 1 ||
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_TAG, tagLength, tag.data()) != 1 ||
        EVP_DecryptFinal_ex(context.get(), bytes(message) + written, &finalWritten) != 1)
        return std::nullopt;
    return message;
}
