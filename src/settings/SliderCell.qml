// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Settings

// The search distance: its value in km, the slider from 1 to 200 and whether people farther
// away may be shown too.
Item {
    id: cell

    required property SettingsVC controller
    required property int index
    required property string detail
    required property int value
    required property bool isOn

    implicitHeight: content.implicitHeight + 24

    Column {
        id: content
        x: 20
        y: 12
        width: parent.width - 40
        spacing: 10

        Item {
            width: parent.width
            height: 24
            CellTitle {
                anchors { left: parent.left; right: valueLabel.left; verticalCenter: parent.verticalCenter }
                text: qsTr("Максимальное расстояние")
            }
            CellTitle {
                id: valueLabel
                anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                text: cell.detail
                color: Theme.grey
            }
        }
        Slider {
            id: slider
            width: parent.width
            height: 31
            dark: Theme.dark
            Accessible.role: Accessible.Slider
            Accessible.name: qsTr("Максимальное расстояние")
            Component.onCompleted: slider.value = cell.value
            onMoved: cell.controller.sliderValueChanged(cell.index, slider.value)
        }
        SwitchRow {
            width: parent.width
            text: qsTr("Показывать людей дальше")
            isOn: cell.isOn
            onToggled: (isOn) => cell.controller.switcherValueChanged(cell.index, isOn)
        }
    }
}
