// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Settings

// A row that opens something: its title, what is chosen there if anything, and the arrow.
Pressable {
    id: cell

    required property SettingsVC controller
    required property int index
    required text
    required property string detail

    implicitHeight: 56
    focusRadius: 6
    Accessible.description: detail
    onClicked: cell.controller.rowTapped(cell.index)

    // The parts sit on the button itself: its content item may not hold named parts.
    Item {
        anchors.fill: parent
        CellTitle {
            anchors { left: parent.left; leftMargin: 20; right: value.left; rightMargin: 12; verticalCenter: parent.verticalCenter }
            text: cell.text
        }
        CellTitle {
            id: value
            anchors { right: arrow.left; rightMargin: 8; verticalCenter: parent.verticalCenter }
            text: cell.detail
            color: Theme.grey
        }
        DisclosureArrow {
            id: arrow
            anchors { right: parent.right; rightMargin: 20; verticalCenter: parent.verticalCenter }
        }
    }
}
