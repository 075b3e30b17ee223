#include "SecretLibrary.h"

#include "LibrarySymbol.h"

#include <optional>

namespace {
struct Opened {
    std::optional<SecretLibrary> library;
    QString problem;
};

Opened open() {
    // The library stays loaded for the rest of the run. GLib's own functions are found
    // through it, among the libraries it depends on.
    QLibrary lib(QStringLiteral("secret-1"), 0);
    SecretLibrary s;
    const bool all = resolveSymbol(lib, "secret_service_get_sync", s.serviceGet) &&
                     resolveSymbol(lib, "secret_collection_for_alias_sync", s.collectionForAlias) &&
                     resolveSymbol(lib, "secret_collection_get_locked", s.collectionLocked) &&
                     resolveSymbol(lib, "secret_service_unlock_sync", s.serviceUnlock) &&
                     resolveSymbol(lib, "secret_password_store_sync", s.passwordStore) &&
                     resolveSymbol(lib, "secret_password_lookup_sync", s.passwordLookup) &&
                     resolveSymbol(lib, "secret_password_clear_sync", s.passwordClear) &&
                     resolveSymbol(lib, "secret_password_free", s.passwordFree) &&
                     resolveSymbol(lib, "g_error_free", s.errorFree) &&
                     resolveSymbol(lib, "g_object_unref", s.objectUnref);
    if (!all)
        return {std::nullopt, QStringLiteral("libsecret cannot be used: ") + lib.errorString()};
    return {s, {}};
}
} // namespace

const SecretLibrary *SecretLibrary::shared(QString *problem) {
    static const Opened opened = open();
    if (problem)
        *problem = opened.problem;
    return opened.library ? &*opened.library : nullptr;
}
