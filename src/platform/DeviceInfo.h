// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/DeviceDescription.h"

#include <QString>

// What the computer and the client report about themselves.
class DeviceInfo {
public:
    virtual ~DeviceInfo() = default;

    [[nodiscard]] virtual QString deviceName() const = 0;
    [[nodiscard]] virtual QString deviceModel() const = 0;
    [[nodiscard]] virtual QString systemName() const = 0;
    [[nodiscard]] virtual QString systemVersion() const = 0;
    // The client's short version, e.g. "1.0".
    [[nodiscard]] virtual QString appVersion() const = 0;
    // The system's release on the mobile-equivalent scale that the start-up version rule
    // (OsVersionRule) judges.
    [[nodiscard]] virtual QString equivalentOsVersion() const = 0;

    [[nodiscard]] DeviceDescription description() const {
        return {deviceName(), deviceModel(), systemName(), systemVersion(), appVersion()};
    }
};
