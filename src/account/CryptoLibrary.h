#pragma once

#include <openssl/evp.h>
#include <openssl/rand.h>

// The few functions of OpenSSL's libcrypto that the device envelope uses. The library is large
// and only sign-in seals anything, so it is opened on first use, not at every start.
struct CryptoLibrary {
    decltype(&RAND_bytes) randomBytes = nullptr;
    decltype(&EVP_CIPHER_CTX_new) contextNew = nullptr;
    decltype(&EVP_CIPHER_CTX_free) contextFree = nullptr;
    decltype(&EVP_CIPHER_CTX_ctrl) contextControl = nullptr;
    decltype(&EVP_aes_256_gcm) aes256Gcm = nullptr;
    decltype(&EVP_EncryptInit_ex) encryptInit = nullptr;
    decltype(&EVP_EncryptUpdate) encryptUpdate = nullptr;
    decltype(&EVP_EncryptFinal_ex) encryptFinal = nullptr;
    decltype(&EVP_DecryptInit_ex) decryptInit = nullptr;
    decltype(&EVP_DecryptUpdate) decryptUpdate = nullptr;
    decltype(&EVP_DecryptFinal_ex) decryptFinal = nullptr;

    /// Null when libcrypto or one of the functions cannot be found (the reason is logged once).
    [[nodiscard]] static const CryptoLibrary *shared();
};
