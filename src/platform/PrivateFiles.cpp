// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/PrivateFiles.h"

#include <sys/stat.h>

void PrivateFiles::keepToOwner() {
    // The mask also covers files written by Qt itself (QSettings, QSaveFile), which create
    // them with the default permissions less the mask.
    ::umask(S_IRWXG | S_IRWXO);
}
