// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel

// The age range: the two values, the two-thumb slider and whether people outside the range may
// be shown too.
Item {
    id: cell

    required property SettingsCell row

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
                text: qsTr("Возрастной диапазон")
            }
            CellTitle {
                id: valueLabel
                anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                text: cell.row.valueText
                color: Theme.grey
            }
        }
        RangeSlider {
            id: slider
            width: parent.width
            height: 31
            dark: Theme.dark
            Accessible.role: Accessible.Slider
            Accessible.name: qsTr("Возрастной диапазон")
            Accessible.description: cell.row.valueText
            // In this order, so that the slider's own limits apply as they would to a user.
            Component.onCompleted: {
                slider.lowerValue = cell.row.lower
                slider.upperValue = cell.row.upper
                slider.minimumValue = cell.row.minimum
                slider.maximumValue = cell.row.maximum
            }
            onValueChanged: cell.row.controller.rangeSliderValueChanged(cell.row.index, slider.lowerValue,
                                                                         slider.upperValue)
        }
        SwitchRow {
            width: parent.width
            text: qsTr("Показывать людей вне диапазона")
            isOn: cell.row.isOn
            onToggled: (isOn) => cell.row.controller.switcherValueChanged(cell.row.index, isOn)
        }
    }
}
