// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/OsVersionRule.h"

#include <QList>
#include <QString>

#include <algorithm>

bool OsVersionRule::blocks(QStringView version) {
    const auto parts = version.split(u'.', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return false;
    const QStringView first = parts.first();
    // Only an optional sign and ASCII digits count as a number: toLongLong alone would also
    // accept surrounding spaces.
    const QStringView digits =
        first.startsWith(u'+') || first.startsWith(u'-') ? first.sliced(1) : first;
    if (digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    bool ok = false;
    const long long major = first.toLongLong(&ok, 10);
    return ok && major <= lastBlockedMajor;
}
