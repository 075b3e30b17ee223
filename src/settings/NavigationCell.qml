// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel

// A row that opens something: its title, an optional value and the arrow. The gender row is
// one with its value.
Pressable {
    id: cell

    required property SettingsCell row
    property string valueText

    implicitHeight: 56
    focusRadius: 6
    text: row.text
    Accessible.description: valueText
    onClicked: row.controller.rowTapped(row.index)

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
            text: cell.valueText
            color: Theme.grey
        }
        DisclosureArrow {
            id: arrow
            anchors { right: parent.right; rightMargin: 20; verticalCenter: parent.verticalCenter }
        }
    }
}
