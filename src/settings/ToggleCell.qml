// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick

// Whether the user's own profile takes part in discovery.
Item {
    id: cell

    required property SettingsCell row

    implicitHeight: 56

    SwitchRow {
        anchors { left: parent.left; right: parent.right; leftMargin: 20; rightMargin: 20; verticalCenter: parent.verticalCenter }
        text: qsTr("Активировать Находки")
        isOn: cell.row.isOn
        onToggled: (isOn) => cell.row.controller.switcherValueChanged(cell.row.index, isOn)
    }
}
