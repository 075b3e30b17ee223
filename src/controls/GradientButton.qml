// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import QtQuick.Shapes
import Zirel.Controls

// The main action button: a diagonal gradient when enabled, flat grey when not; darkens and
// shrinks while pressed.
Pressable {
    id: root

    property bool busy: false
    readonly property real cornerRadius: 14

    implicitHeight: 52
    implicitWidth: 280
    focusRadius: cornerRadius

    scale: down ? 0.96 : 1.0
    Behavior on scale {
        NumberAnimation { duration: root.down ? 200 : 100; easing.type: Easing.OutQuad }
    }

    background: Item {
        Rectangle {
            anchors.fill: parent
            radius: root.cornerRadius
            visible: !root.enabled
            color: Theme.disabledFill
        }
        Shape {
            anchors.fill: parent
            visible: root.enabled
            ShapePath {
                strokeWidth: -1
                fillGradient: LinearGradient {
                    x1: root.width; y1: 0
                    x2: 0; y2: root.height
                    GradientStop { position: 0.0; color: Theme.gradientStart }
                    GradientStop { position: 1.0; color: Theme.gradientEnd }
                }
                startX: root.cornerRadius; startY: 0
                PathLine { x: root.width - root.cornerRadius; y: 0 }
                PathArc { x: root.width; y: root.cornerRadius; radiusX: root.cornerRadius; radiusY: root.cornerRadius }
                PathLine { x: root.width; y: root.height - root.cornerRadius }
                PathArc { x: root.width - root.cornerRadius; y: root.height; radiusX: root.cornerRadius; radiusY: root.cornerRadius }
                PathLine { x: root.cornerRadius; y: root.height }
                PathArc { x: 0; y: root.height - root.cornerRadius; radiusX: root.cornerRadius; radiusY: root.cornerRadius }
                PathLine { x: 0; y: root.cornerRadius }
                PathArc { x: root.cornerRadius; y: 0; radiusX: root.cornerRadius; radiusY: root.cornerRadius }
            }
        }
        Rectangle {
            anchors.fill: parent
            radius: root.cornerRadius
            color: "black"
            opacity: root.down ? 0.2 : 0
            Behavior on opacity { NumberAnimation { duration: root.down ? 200 : 100 } }
        }
    }

    contentItem: Item {
        Text {
            textFormat: Text.PlainText
            anchors.centerIn: parent
            visible: !root.busy
            text: root.text
            font: Theme.button
            color: root.enabled ? "white" : Theme.grey
        }
        ActivitySpinner {
            anchors.centerIn: parent
            running: root.busy
            color: root.enabled ? "white" : Theme.grey
            height: parent.height * 0.7
            width: height
        }
    }
}
