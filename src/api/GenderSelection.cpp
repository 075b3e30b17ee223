// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/GenderSelection.h"

QString genderSelectionText(GenderSelection gender) {
    switch (gender) {
    case GenderSelection::man:
        return QStringLiteral("man");
    case GenderSelection::woman:
        return QStringLiteral("woman");
    case GenderSelection::all:
        break;
    }
    return QStringLiteral("all");
}

std::optional<GenderSelection> genderSelectionFromText(const QString &text) {
    for (auto gender : {GenderSelection::man, GenderSelection::woman, GenderSelection::all}) {
        if (genderSelectionText(gender) == text)
            return gender;
    }
    return std::nullopt;
}
