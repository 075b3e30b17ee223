// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/CloudAccount.h"
#include "platform/TaskGroup.h"

#include <QByteArray>
#include <QStringList>

// The cloud account of a Linux desktop: the pair (this machine, this OS user). Available when
// the machine identifier can be read.
class LinuxCloudAccount final : public CloudAccount {
public:
    explicit LinuxCloudAccount(QStringList machineIdPaths = defaultMachineIdPaths());

    // systemd's /etc/machine-id, then the D-Bus copy older systems keep.
    [[nodiscard]] static QStringList defaultMachineIdPaths();
    // "_" followed by 32 lower-case hex digits; empty when `machineId` is not 32 hex digits.
    [[nodiscard]] static QString deriveRecordName(const QByteArray &machineId, uint uid,
                                                  const QString &userName);

    void accountStatus(StatusHandler handler) override;
    void fetchRecordName(RecordHandler handler) override;

private:
    QStringList m_machineIdPaths;
    // The reads under way end before the account goes.
    TaskGroup m_reads;
};
