// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringView>

// Decides whether the reported system version is too old for the client.
class OsVersionRule {
public:
    // The newest major release that is refused.
    static constexpr long long lastBlockedMajor = 17;

    // True when the first non-empty part of `version` (split at ".") is a decimal integer no
    // greater than lastBlockedMajor. A text that does not start with a number never blocks.
    [[nodiscard]] static bool blocks(QStringView version);
};
