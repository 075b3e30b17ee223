// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/DeviceAttestation.h"
#include "platform/TaskGroup.h"

// Tokens made of this installation's identifier (32 random bytes created on first use and kept
// in a file only the owner can read) followed by 16 fresh random bytes.
class LinuxDeviceAttestation final : public DeviceAttestation {
public:
    static constexpr int installationIdLength = 32;
    static constexpr int freshLength = 16;

    explicit LinuxDeviceAttestation(QString idPath = defaultIdPath());

    // "installation-id" in the application's data directory.
    [[nodiscard]] static QString defaultIdPath();

    [[nodiscard]] bool isSupported() const override;
    void generateToken(TokenHandler handler) override;

private:
    QString m_idPath;
    // The tokens under way are made before the attestation goes.
    TaskGroup m_tokens;
};
