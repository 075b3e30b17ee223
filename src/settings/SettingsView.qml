// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Settings

// The settings screen: its list of rows on the screen's background.
Rectangle {
    id: screen

    required property SettingsVC controller

    color: Theme.background

    SettingsList {
        anchors.fill: parent
        controller: screen.controller
    }
}
