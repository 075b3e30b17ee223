#include "platform/Keyring.h"

#include "platform/ClientModule.h"

Keyring *Keyring::shared(QString *error) {
    return sharedClientModule<Keyring>(QStringLiteral("libzirelkeyring.so"), error);
}
