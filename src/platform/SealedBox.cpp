#include "platform/SealedBox.h"

#include "platform/ClientModule.h"

SealedBox *SealedBox::shared(QString *error) {
    return sharedClientModule<SealedBox>(QStringLiteral("libzirelsealedbox.so"), error);
}
