#include "media/PhotoCodecs.h"

#include "platform/ClientModule.h"

PhotoCodecs *PhotoCodecs::shared(QString *error) {
    return sharedClientModule<PhotoCodecs>(QStringLiteral("libzirelphotocodecs.so"), error);
}
