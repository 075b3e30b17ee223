// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import QtQuick.Shapes
import Zirel.Controls

// How many of the slots are filled: a ring that fills in half a second and "3 / 6" inside.
Item {
    id: ring

    property int progress: 0
    property int total: 6
    property real shown: total > 0 ? progress / total : 0

    implicitWidth: 52
    implicitHeight: 52
    Behavior on shown { NumberAnimation { duration: 500 } }

    Shape {
        anchors.fill: parent
        ShapePath {
            strokeColor: Theme.grey
            strokeWidth: 4
            fillColor: "transparent"
            PathAngleArc {
                centerX: ring.width / 2; centerY: ring.height / 2
                radiusX: ring.width / 2 - 2; radiusY: ring.height / 2 - 2
                startAngle: 0; sweepAngle: 360
            }
        }
        ShapePath {
            strokeColor: Theme.accent
            strokeWidth: 4
            fillColor: "transparent"
            capStyle: ShapePath.RoundCap
            PathAngleArc {
                centerX: ring.width / 2; centerY: ring.height / 2
                radiusX: ring.width / 2 - 2; radiusY: ring.height / 2 - 2
                startAngle: -90; sweepAngle: 360 * ring.shown
            }
        }
    }
    Text {
        textFormat: Text.PlainText
        anchors.centerIn: parent
        text: ring.progress + " / " + ring.total
        color: Theme.primaryText
        font: Theme.footnote
    }
}
