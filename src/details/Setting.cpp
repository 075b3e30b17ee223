// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "details/Setting.h"

QList<Setting> Setting::rows(bool hasAboutMe, bool isMain, bool reportRow) {
    QList<Setting> rows{{photoGrid}, {empty}, {aboutMe}, {empty}, {mainInfo}};
    if (!hasAboutMe)
        rows.remove(1, 2);
    if (isMain)
        rows.append(
            {{empty}, {button, ButtonType::block}, {empty}, {button, ButtonType::complain}});
    else if (reportRow)
        rows.append({{empty}, {button, ButtonType::complain}});
    return rows;
}

QString Setting::viewName() const {
    switch (kind) {
    case photoGrid:
        return QStringLiteral("photoGrid");
    case aboutMe:
        return QStringLiteral("aboutMe");
    case mainInfo:
        return QStringLiteral("mainInfo");
    case empty:
        return QStringLiteral("empty");
    case button:
        return type == ButtonType::block ? QStringLiteral("block") : QStringLiteral("complain");
    }
    return {};
}
