// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "media/PhotoScaler.h"

// QML_FOREIGN needs the registration internals qqml.h brings.
#include <QtQml/qqml.h>

// The photo cells hand the scaler their card carries to QML. It lives in a library under the
// QML module, so the module's type descriptions learn it from here.
struct PhotoScalerForeign {
    Q_GADGET
    QML_FOREIGN(PhotoScaler)
    QML_ANONYMOUS
};
