// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/UrlOpener.h"

// Hands addresses to the desktop's default handlers. Call from the GUI thread.
class DesktopUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl &url) override;
};
