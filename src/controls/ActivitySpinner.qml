// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Controls

// The activity indicator: eight rounded bars around the centre, the brightest one stepping round.
// Plain items, so a screen that shows one does not pull in the controls library.
Item {
    id: spinner

    property bool running: true
    property color color: Theme.grey

    implicitWidth: 36
    implicitHeight: 36
    visible: running

    Item {
        id: wheel
        anchors.fill: parent

        Repeater {
            model: 8
            Rectangle {
                id: bar
                required property int index
                readonly property real side: parent ? parent.width : 0
                x: (bar.side - bar.width) / 2
                y: 0
                width: Math.max(2, bar.side * 0.09)
                height: bar.side * 0.28
                radius: bar.width / 2
                color: spinner.color
                opacity: 1 - bar.index * 0.1
                transform: Rotation {
                    origin.x: bar.width / 2
                    origin.y: bar.side / 2
                    angle: -bar.index * 45
                }
            }
        }

        RotationAnimator on rotation {
            running: spinner.running && spinner.visible
            from: 0
            to: 360
            duration: 1000
            loops: Animation.Infinite
        }
    }
}
