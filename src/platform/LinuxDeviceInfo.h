// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/DeviceInfo.h"

// Device information from QSysInfo and the firmware's DMI tables.
class LinuxDeviceInfo final : public DeviceInfo {
public:
    // `appVersion` defaults to the version the client was built as.
    explicit LinuxDeviceInfo(
        QString dmiProductPath = QStringLiteral("/sys/class/dmi/id/product_name"),
        QString appVersion = defaultAppVersion());

    [[nodiscard]] static QString defaultAppVersion();

    [[nodiscard]] QString deviceName() const override;
    [[nodiscard]] QString deviceModel() const override;
    [[nodiscard]] QString systemName() const override;
    [[nodiscard]] QString systemVersion() const override;
    [[nodiscard]] QString appVersion() const override;
    [[nodiscard]] QString equivalentOsVersion() const override;

private:
    QString m_dmiProductPath;
    QString m_appVersion;
};
