// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/Cameras.h"

#include "platform/ClientModule.h"

Cameras *Cameras::shared(QString *error) {
    return sharedClientModule<Cameras>(QStringLiteral("libzirelcamera.so"), error);
}
