// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// The kinds of information line a profile card shows, in their fixed order.
enum class InfoType { About, Distance, Position, Education, City };

// One information line of a profile card.
struct InfoItem {
    InfoType type = InfoType::About;
    QString value;

    /// The symbol drawn before the line.
    [[nodiscard]] static QString iconName(InfoType type);
    friend bool operator==(const InfoItem &, const InfoItem &) = default;
};
