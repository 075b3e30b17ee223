#include "CryptoLibrary.h"

#include "DiagnosticLog.h"
#include "LibrarySymbol.h"

#include <optional>

namespace {
std::optional<CryptoLibrary> open() {
    // The library stays loaded for the rest of the run.
    QLibrary lib(QStringLiteral("crypto"), 3);
    CryptoLibrary c;
    const bool all = resolveSymbol(lib, "RAND_bytes", c.randomBytes) &&
                     resolveSymbol(lib, "EVP_CIPHER_CTX_new", c.contextNew) &&
                     resolveSymbol(lib, "EVP_CIPHER_CTX_free", c.contextFree) &&
                     resolveSymbol(lib, "EVP_CIPHER_CTX_ctrl", c.contextControl) &&
                     resolveSymbol(lib, "EVP_aes_256_gcm", c.aes256Gcm) &&
                     resolveSymbol(lib, "EVP_EncryptInit_ex", c.encryptInit) &&
                     resolveSymbol(lib, "EVP_EncryptUpdate", c.encryptUpdate) &&
                     resolveSymbol(lib, "EVP_EncryptFinal_ex", c.encryptFinal) &&
                     resolveSymbol(lib, "EVP_DecryptInit_ex", c.decryptInit) &&
                     resolveSymbol(lib, "EVP_DecryptUpdate", c.decryptUpdate) &&
                     resolveSymbol(lib, "EVP_DecryptFinal_ex", c.decryptFinal);
    if (!all) {
        DiagnosticLog::line(QStringLiteral("libcrypto cannot be used: ") + lib.errorString());
        return std::nullopt;
    }
    return c;
}
} // namespace

const CryptoLibrary *CryptoLibrary::shared() {
    static const std::optional<CryptoLibrary> library = open();
    return library ? &*library : nullptr;
}
