// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Settings

// A row that is an action: its title alone.
Pressable {
    id: cell

    required property SettingsVC controller
    required property int index
    required text

    implicitHeight: 56
    focusRadius: 6
    onClicked: cell.controller.rowTapped(cell.index)

    contentItem: Item {
        CellTitle {
            anchors { left: parent.left; leftMargin: 20; right: parent.right; rightMargin: 20; verticalCenter: parent.verticalCenter }
            text: cell.text
            color: Theme.accent
        }
    }
}
