// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Match.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The bytes the saved matches are kept as: a JSON array of matches with dates as seconds since
// 2001. Reading and writing live apart from the store so they can be checked on any input.
class SavedMatchesFormat {
public:
    /// Nothing, with the reason (when asked for), when the bytes are not a list of matches.
    [[nodiscard]] static std::optional<QList<Match>> decode(const QByteArray &stored,
                                                            QString *error);
    /// Nothing, with the reason, when a match holds a date that has no number of seconds.
    [[nodiscard]] static std::optional<QByteArray> encode(const QList<Match> &matches,
                                                          QString *error);
};
