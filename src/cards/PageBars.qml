// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Controls

// One bar per photo of a card, the one shown filled.
Row {
    id: bars

    required property int count
    required property int current

    spacing: 4

    Repeater {
        model: bars.count
        Rectangle {
            id: bar
            required property int index
            width: (bars.width - bars.spacing * (bars.count - 1)) / bars.count
            height: 4
            radius: 2
            clip: true
            color: Theme.pageBar
            border.width: 0.3
            border.color: Qt.rgba(1, 1, 1, 0.35)
            Rectangle {
                width: bar.index === bars.current ? parent.width : 0
                height: parent.height
                radius: 2
                color: "white"
            }
        }
    }
}
