// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/User.h"

#include <QByteArray>
#include <optional>

// The bytes the user's own record is kept as in the settings file: the JSON of the record.
// Reading and writing live apart from the store so they can be checked on any input.
class UserRecordFormat {
public:
    /// Nothing when the bytes are not a whole record, e.g. one an older client wrote.
    [[nodiscard]] static std::optional<User> decode(const QByteArray &stored);
    [[nodiscard]] static QByteArray encode(const User &user);
};
