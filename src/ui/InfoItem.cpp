// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/InfoItem.h"

QString InfoItem::iconName(InfoType type) {
    switch (type) {
    case InfoType::About:
        return QStringLiteral("quote.opening");
    case InfoType::Distance:
        return QStringLiteral("location.fill.viewfinder");
    case InfoType::Position:
        return QStringLiteral("briefcase");
    case InfoType::Education:
        return QStringLiteral("graduationcap");
    case InfoType::City:
        return QStringLiteral("house");
    }
    return {};
}
