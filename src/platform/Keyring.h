#pragma once

#include "platform/SecretBackend.h"

#include <QString>
#include <QtPlugin>

#include <memory>

// The desktop's keyring, the Secret Service, through libsecret. libsecret brings GLib's object
// system and GIO with it, which cost every start several milliseconds when linked; a session
// without a bus has no keyring to ask, so the library lives in a module of its own, loaded only
// where a bus may answer.
class Keyring {
public:
    virtual ~Keyring() = default;

    /// A backend keeping values as items of the default collection, each with the attributes
    /// service=<service> and account=<key>. Unlocks the collection when needed, which on a
    /// desktop shows the keyring's own password prompt and waits for it. Nothing, with the
    /// reason in problem, when items cannot be stored there.
    [[nodiscard]] virtual std::unique_ptr<SecretBackend> open(const QString &service,
                                                              QString *problem) = 0;

    /// The module's keyring, loaded on the first call; nullptr when the module cannot be
    /// loaded, with the reason in error.
    static Keyring *shared(QString *error = nullptr);
};

#define ZirelKeyring_iid "app.zirel.Keyring/1"
Q_DECLARE_INTERFACE(Keyring, ZirelKeyring_iid)
