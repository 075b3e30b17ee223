// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/PhotoCodecs.h"

#include "platform/ClientModule.h"

PhotoCodecs *PhotoCodecs::shared(QString *error) {
    return sharedClientModule<PhotoCodecs>(QStringLiteral("libzirelphotocodecs.so"), error);
}
