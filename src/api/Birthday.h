// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDate>
#include <QString>

// Ages from the birthday as the service keeps it: the text "ddMMyyyy".
namespace Birthday {

/// Whole years from `born` to `today`: a birthday counts from its day on, and someone born on
/// 29 February has it on 1 March in a year without one.
[[nodiscard]] int wholeYears(QDate born, QDate today);
/// The age on `today` by the birthday text; 25 when the text is not a date.
[[nodiscard]] int age(const QString &ddMMyyyy, QDate today);

} // namespace Birthday
