#include "KeyringModule.h"

#include "LibsecretBackend.h"

std::unique_ptr<SecretBackend> KeyringModule::open(const QString &service, QString *problem) {
    auto keyring = std::make_unique<LibsecretBackend>(service);
    *problem = keyring->probe();
    if (!problem->isEmpty())
        return nullptr;
    return keyring;
}
