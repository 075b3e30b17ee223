// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Settings

// The age range: the two values, the two-thumb slider and whether people outside the range may
// be shown too.
Item {
    id: cell

    required property SettingsVC controller
    required property int index
    required property string detail
    required property int lower
    required property int upper
    required property int minimum
    required property int maximum
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
                text: qsTr("Возрастной диапазон")
            }
            CellTitle {
                id: valueLabel
                anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                text: cell.detail
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
            Accessible.description: cell.detail
            // In this order, so that the slider's own limits apply as they would to a user.
            Component.onCompleted: {
                slider.lowerValue = cell.lower
                slider.upperValue = cell.upper
                slider.minimumValue = cell.minimum
                slider.maximumValue = cell.maximum
            }
            onValueChanged: cell.controller.rangeSliderValueChanged(cell.index, slider.lowerValue,
                                                                         slider.upperValue)
        }
        SwitchRow {
            width: parent.width
            text: qsTr("Показывать людей вне диапазона")
            isOn: cell.isOn
            onToggled: (isOn) => cell.controller.switcherValueChanged(cell.index, isOn)
        }
    }
}
