// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// How this computer describes itself to the service when a user signs in.
struct DeviceDescription {
    QString deviceName;
    QString deviceModel;
    QString systemName;
    QString systemVersion;
    // The client's short version; may be empty, in which case it is not sent.
    QString appVersion;
};
