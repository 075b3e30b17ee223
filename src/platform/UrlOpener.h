// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QUrl>

// Opens addresses (web pages, mail, settings pages) outside the client.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;

    // False when no application could take the address.
    virtual bool open(const QUrl &url) = 0;
};
