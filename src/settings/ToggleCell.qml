// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Settings

// Whether the user's own profile takes part in discovery.
Item {
    id: cell

    required property SettingsVC controller
    required property int index
    required property bool isOn

    implicitHeight: 56

    SwitchRow {
        anchors { left: parent.left; right: parent.right; leftMargin: 20; rightMargin: 20; verticalCenter: parent.verticalCenter }
        text: qsTr("Активировать Находки")
        isOn: cell.isOn
        onToggled: (isOn) => cell.controller.switcherValueChanged(cell.index, isOn)
    }
}
