// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "EnvelopeOpener.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <memory>

namespace {

constexpr int kNonceSize = 12;
constexpr int kTagSize = 16;

using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

auto bytes(const QByteArray &a) {
    return reinterpret_cast<const unsigned char *>(a.constData());
}
auto bytes(QByteArray &a) {
    return reinterpret_cast<unsigned char *>(a.data());
}

} // namespace

EnvelopeOpener::EnvelopeOpener(QByteArray key)
    : m_key(std::move(key)) {}

std::optional<QByteArray> EnvelopeOpener::open(const QByteArray &box) const {
    if (m_key.size() != 32 || box.size() < kNonceSize + kTagSize)
        return std::nullopt;
    const QByteArray nonce = box.left(kNonceSize);
    const QByteArray cipher = box.mid(kNonceSize, box.size() - kNonceSize - kTagSize);
    QByteArray tag = box.right(kTagSize);
    CipherContext ctx(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    QByteArray plain(cipher.size(), Qt::Uninitialized);
    int length = 0;
    int finalLength = 0;
    if (!ctx || EVP_DecryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1 ||
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_IVLEN, kNonceSize, nullptr) != 1 ||
        EVP_DecryptInit_ex(ctx.get(), nullptr, nullptr, bytes(m_key), bytes(nonce)) != 1 ||
        EVP_DecryptUpdate(ctx.get(), bytes(plain), &length, bytes(cipher), int(cipher.size())) !=
            1 ||
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_TAG, kTagSize, bytes(tag)) != 1 ||
        EVP_DecryptFinal_ex(ctx.get(), bytes(plain) + length, &finalLength) != 1)
        return std::nullopt;
    plain.resize(length + finalLength);
    return plain;
}

QByteArray EnvelopeOpener::seal(const QByteArray &key, const QByteArray &plaintext) {
    QByteArray nonce(kNonceSize, Qt::Uninitialized);
    if (key.size() != 32 || RAND_bytes(bytes(nonce), kNonceSize) != 1)
        return {};
    CipherContext ctx(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    QByteArray cipher(plaintext.size(), Qt::Uninitialized);
    QByteArray tag(kTagSize, Qt::Uninitialized);
    int length = 0;
    int finalLength = 0;
    if (!ctx || EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1 ||
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_IVLEN, kNonceSize, nullptr) != 1 ||
        EVP_EncryptInit_ex(ctx.get(), nullptr, nullptr, bytes(key), bytes(nonce)) != 1 ||
        EVP_EncryptUpdate(ctx.get(), bytes(cipher), &length, bytes(plaintext),
                          int(plaintext.size())) != 1 ||
        EVP_EncryptFinal_ex(ctx.get(), bytes(cipher) + length, &finalLength) != 1 ||
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_GET_TAG, kTagSize, bytes(tag)) != 1)
        return {};
    cipher.resize(length + finalLength);
    return nonce + cipher + tag;
}
