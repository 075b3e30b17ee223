// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel

// One row of the settings list: the cell for the row's kind. Cells that show changing values
// or answer the user get the row itself; the others only its text.
Item {
    id: row

    required property SettingsVC controller
    required property int index
    required property string kind
    required property string text
    required property int value
    required property string valueText
    required property bool isOn
    required property int lower
    required property int upper
    required property int minimum
    required property int maximum

    implicitHeight: cell.implicitHeight

    Loader {
        id: cell
        width: row.width
        Component.onCompleted: {
            const live = {
                slider: "SliderCell.qml", gender: "GenderCell.qml",
                doubleSlider: "RangeSliderCell.qml", toggle: "ToggleCell.qml",
                navigation: "NavigationCell.qml", button: "ButtonCell.qml"
            }
            const still = { label: "LabelCell.qml", hintLabel: "HintLabelCell.qml", version: "VersionCell.qml" }
            if (live[row.kind])
                cell.setSource(live[row.kind], { row: row })
            else if (still[row.kind])
                cell.setSource(still[row.kind], { text: row.text })
            else
                cell.setSource("../controls/EmptyCell.qml", { gap: 20 })
        }
    }
}
