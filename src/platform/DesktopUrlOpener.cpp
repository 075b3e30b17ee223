// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/DesktopUrlOpener.h"

#include <QDesktopServices>

bool DesktopUrlOpener::open(const QUrl &url) {
    return QDesktopServices::openUrl(url);
}
