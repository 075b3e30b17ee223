#pragma once

// GLib's headers use `signals` as an identifier, which Qt defines as a keyword macro.
#pragma push_macro("signals")
#undef signals
#include <libsecret/secret.h>
#pragma pop_macro("signals")

#include <QString>

// The functions of libsecret (and of the GLib objects it hands out) that the keyring backend
// calls. libsecret brings GIO, GObject and half a dozen more libraries with it; linked, they
// were loaded and relocated before main() on every start, also where no Secret Service can
// answer. Opened on the first probe instead.
struct SecretLibrary {
    decltype(&secret_service_get_sync) serviceGet = nullptr;
    decltype(&secret_collection_for_alias_sync) collectionForAlias = nullptr;
    decltype(&secret_collection_get_locked) collectionLocked = nullptr;
    decltype(&secret_service_unlock_sync) serviceUnlock = nullptr;
    decltype(&secret_password_store_sync) passwordStore = nullptr;
    decltype(&secret_password_lookup_sync) passwordLookup = nullptr;
    decltype(&secret_password_clear_sync) passwordClear = nullptr;
    decltype(&secret_password_free) passwordFree = nullptr;
    decltype(&g_error_free) errorFree = nullptr;
    decltype(&g_object_unref) objectUnref = nullptr;

    /// Null when libsecret or one of the functions cannot be found; `problem` then says why.
    [[nodiscard]] static const SecretLibrary *shared(QString *problem = nullptr);
};
