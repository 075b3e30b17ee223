#pragma once

#include "platform/Keyring.h"

#include <QObject>

// The module the client loads for the desktop's keyring.
class KeyringModule : public QObject, public Keyring {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZirelKeyring_iid)
    Q_INTERFACES(Keyring)
public:
    std::unique_ptr<SecretBackend> open(const QString &service, QString *problem) override;
};
