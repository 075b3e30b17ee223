// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/LibsecretBackend.h"

// GLib's headers use `signals` as an identifier, which Qt defines as a keyword macro.
#pragma push_macro("signals")
#undef signals
#include <libsecret/secret.h>
#pragma pop_macro("signals")

#include <memory>

namespace {

// Items are matched by their attributes only, so entries written by another build of the
// client (or a different schema name) are still found and replaced.
const SecretSchema *schema() {
    static const SecretSchema value = {"com.morvent.kavlo.Password",
                                       SECRET_SCHEMA_DONT_MATCH_NAME,
                                       {{"service", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                        {"account", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                        {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
                                       0,
                                       nullptr,
                                       nullptr,
                                       nullptr,
                                       nullptr,
                                       nullptr,
                                       nullptr,
                                       nullptr};
    return &value;
}

struct ErrorDeleter {
    void operator()(GError *error) const { g_error_free(error); }
};
using ErrorPtr = std::unique_ptr<GError, ErrorDeleter>;

struct ObjectDeleter {
    void operator()(gpointer object) const { g_object_unref(object); }
};

QString messageOf(const GError *error) {
    return error ? QString::fromUtf8(error->message) : QStringLiteral("unknown error");
}

} // namespace

LibsecretBackend::LibsecretBackend(QString service)
    : m_service(service.toUtf8()) {}

QString LibsecretBackend::probe() const {
    GError *rawError = nullptr;
    std::unique_ptr<SecretService, ObjectDeleter> service(
        secret_service_get_sync(SECRET_SERVICE_NONE, nullptr, &rawError));
    ErrorPtr error(rawError);
    if (!service)
        return messageOf(error.get());

    std::unique_ptr<SecretCollection, ObjectDeleter> collection(secret_collection_for_alias_sync(
        service.get(), SECRET_COLLECTION_DEFAULT, SECRET_COLLECTION_NONE, nullptr, &rawError));
    error.reset(rawError);
    if (!collection)
        return error ? messageOf(error.get()) : QStringLiteral("no default keyring");
    if (!secret_collection_get_locked(collection.get()))
        return {};

    // A locked keyring asks the desktop's prompter for the password; without one the unlock
    // fails and the caller falls back.
    GList objects{collection.get(), nullptr, nullptr};
    const gint unlocked =
        secret_service_unlock_sync(service.get(), &objects, nullptr, nullptr, &rawError);
    error.reset(rawError);
    if (unlocked < 1)
        return error ? messageOf(error.get()) : QStringLiteral("the default keyring is locked");
    return {};
}

bool LibsecretBackend::store(const QString &key, const QByteArray &value) {
    // The password API takes a C string; a NUL inside would silently cut the value short.
    if (value.contains('\0'))
        return false;
    // The keyring may hold several matching items (written by older builds); clearing first
    // leaves exactly the new one, so a later lookup cannot return a stale value.
    clear(key);
    const QByteArray account = key.toUtf8();
    const QByteArray label = "Zirel: " + account;
    GError *rawError = nullptr;
    const gboolean stored = secret_password_store_sync(
        schema(), SECRET_COLLECTION_DEFAULT, label.constData(), value.constData(), nullptr,
        &rawError, "service", m_service.constData(), "account", account.constData(), nullptr);
    ErrorPtr error(rawError);
    return stored && !error;
}

std::optional<QByteArray> LibsecretBackend::lookup(const QString &key) {
    const QByteArray account = key.toUtf8();
    GError *rawError = nullptr;
    gchar *password =
        secret_password_lookup_sync(schema(), nullptr, &rawError, "service", m_service.constData(),
                                    "account", account.constData(), nullptr);
    ErrorPtr error(rawError);
    if (!password || error) {
        secret_password_free(password);
        return std::nullopt;
    }
    QByteArray value(password);
    secret_password_free(password);
    return value;
}

QString LibsecretBackend::description() const {
    return QStringLiteral("Secret Service (service=%1)").arg(QString::fromUtf8(m_service));
}

bool LibsecretBackend::clear(const QString &key) {
    const QByteArray account = key.toUtf8();
    GError *rawError = nullptr;
    secret_password_clear_sync(schema(), nullptr, &rawError, "service", m_service.constData(),
                               "account", account.constData(), nullptr);
    ErrorPtr error(rawError);
    return !error;
}
