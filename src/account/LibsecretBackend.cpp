#include "LibsecretBackend.h"

#include "SecretLibrary.h"
#include "SessionBus.h"

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
    void operator()(GError *error) const { SecretLibrary::shared()->errorFree(error); }
};
using ErrorPtr = std::unique_ptr<GError, ErrorDeleter>;

struct ObjectDeleter {
    void operator()(gpointer object) const { SecretLibrary::shared()->objectUnref(object); }
};

QString messageOf(const GError *error) {
    return error ? QString::fromUtf8(error->message) : QStringLiteral("unknown error");
}

} // namespace

LibsecretBackend::LibsecretBackend(QString service)
    : m_service(service.toUtf8()) {}

QString LibsecretBackend::probe() const {
    // Without a session bus no Secret Service can answer, and libsecret is not even opened.
    if (!SessionBus::mayAnswer())
        return QStringLiteral("no session bus: neither DBUS_SESSION_BUS_ADDRESS nor "
                              "XDG_RUNTIME_DIR/bus is there");
    QString problem;
    const SecretLibrary *secret = SecretLibrary::shared(&problem);
    if (!secret)
        return problem;
    GError *rawError = nullptr;
    std::unique_ptr<SecretService, ObjectDeleter> service(
        secret->serviceGet(SECRET_SERVICE_NONE, nullptr, &rawError));
    ErrorPtr error(rawError);
    if (!service)
        return messageOf(error.get());

    std::unique_ptr<SecretCollection, ObjectDeleter> collection(secret->collectionForAlias(
        service.get(), SECRET_COLLECTION_DEFAULT, SECRET_COLLECTION_NONE, nullptr, &rawError));
    error.reset(rawError);
    if (!collection)
        return error ? messageOf(error.get()) : QStringLiteral("no default keyring");
    if (!secret->collectionLocked(collection.get()))
        return {};

    // A locked keyring asks the desktop's prompter for the password; without one the unlock
    // fails and the caller falls back.
    GList objects{collection.get(), nullptr, nullptr};
    const gint unlocked =
        secret->serviceUnlock(service.get(), &objects, nullptr, nullptr, &rawError);
    error.reset(rawError);
    if (unlocked < 1)
        return error ? messageOf(error.get()) : QStringLiteral("the default keyring is locked");
    return {};
}

bool LibsecretBackend::store(const QString &key, const QByteArray &value) {
    const SecretLibrary *secret = SecretLibrary::shared();
    // The password API takes a C string; a NUL inside would silently cut the value short.
    if (!secret || value.contains('\0'))
        return false;
    // The keyring may hold several matching items (written by older builds); clearing first
    // leaves exactly the new one, so a later lookup cannot return a stale value.
    clear(key);
    const QByteArray account = key.toUtf8();
    const QByteArray label = "Zirel: " + account;
    GError *rawError = nullptr;
    const gboolean stored = secret->passwordStore(
        schema(), SECRET_COLLECTION_DEFAULT, label.constData(), value.constData(), nullptr,
        &rawError, "service", m_service.constData(), "account", account.constData(), nullptr);
    ErrorPtr error(rawError);
    return stored && !error;
}

std::optional<QByteArray> LibsecretBackend::lookup(const QString &key) {
    const SecretLibrary *secret = SecretLibrary::shared();
    if (!secret)
        return std::nullopt;
    const QByteArray account = key.toUtf8();
    GError *rawError = nullptr;
    gchar *password =
        secret->passwordLookup(schema(), nullptr, &rawError, "service", m_service.constData(),
                               "account", account.constData(), nullptr);
    ErrorPtr error(rawError);
    if (!password || error) {
        secret->passwordFree(password);
        return std::nullopt;
    }
    QByteArray value(password);
    secret->passwordFree(password);
    return value;
}

QString LibsecretBackend::description() const {
    return QStringLiteral("Secret Service (service=%1)").arg(QString::fromUtf8(m_service));
}

bool LibsecretBackend::clear(const QString &key) {
    const SecretLibrary *secret = SecretLibrary::shared();
    if (!secret)
        return false;
    const QByteArray account = key.toUtf8();
    GError *rawError = nullptr;
    secret->passwordClear(schema(), nullptr, &rawError, "service", m_service.constData(), "account",
                          account.constData(), nullptr);
    ErrorPtr error(rawError);
    return !error;
}
