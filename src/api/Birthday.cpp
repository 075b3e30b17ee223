// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/Birthday.h"

namespace Birthday {

int wholeYears(QDate born, QDate today) {
    int years = today.year() - born.year();
    if (today.month() < born.month() || (today.month() == born.month() && today.day() < born.day()))
        --years;
    return years;
}

int age(const QString &ddMMyyyy, QDate today) {
    const QDate born = QDate::fromString(ddMMyyyy, QStringLiteral("ddMMyyyy"));
    return born.isValid() ? wholeYears(born, today) : 25;
}

} // namespace Birthday
