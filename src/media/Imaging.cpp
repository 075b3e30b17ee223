// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/Imaging.h"

#include "platform/ClientModule.h"

Imaging *Imaging::shared(QString *error) {
    return sharedClientModule<Imaging>(QStringLiteral("libzirelimaging.so"), error);
}
