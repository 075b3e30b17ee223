// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick

// Whom the user is shown to, opening the choice.
NavigationCell {
    text: qsTr("Показывать меня")
    valueText: row.valueText
}
