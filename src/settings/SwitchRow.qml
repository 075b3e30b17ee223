// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Settings

// A line with a switch at its end; `toggled` reports the switch's new state.
Item {
    id: row

    property string text
    property bool isOn
    signal toggled(bool isOn)

    implicitHeight: 44

    CellTitle {
        anchors { left: parent.left; right: toggle.left; rightMargin: 12; verticalCenter: parent.verticalCenter }
        text: row.text
    }
    Switcher {
        id: toggle
        anchors { right: parent.right; verticalCenter: parent.verticalCenter }
        checked: row.isOn
        Accessible.name: row.text
        onToggled: row.toggled(checked)
    }
}
