// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import QtQuick.Shapes
import Zirel.Controls

// One photo slot: a dashed outline with a plus badge when empty, the photo with a cross badge
// when filled. A click anywhere on it is a click on the slot.
Pressable {
    id: tile

    property var image: null
    property bool filled: false
    // While files are dragged over the screen the outlines turn green: they can be dropped.
    property bool dropping: false

    implicitWidth: 105
    implicitHeight: 140
    focusRadius: 12
    Accessible.name: filled ? qsTr("Фото, удалить") : qsTr("Добавить фото")

    background: Rectangle {
        radius: 12
        color: Theme.background
    }

    contentItem: Item {
        ImageView {
            anchors.fill: parent
            visible: tile.filled
            image: tile.image
        }
        Shape {
            anchors.fill: parent
            visible: !tile.filled
            ShapePath {
                strokeColor: tile.dropping ? "#34C759" : Theme.accent
                strokeWidth: 2
                fillColor: "transparent"
                strokeStyle: ShapePath.DashLine
                dashPattern: [3.25, 3.5]
                capStyle: ShapePath.RoundCap
                startX: 10; startY: 1
                PathLine { x: tile.width - 10; y: 1 }
                PathArc { x: tile.width - 1; y: 10; radiusX: 9; radiusY: 9 }
                PathLine { x: tile.width - 1; y: tile.height - 10 }
                PathArc { x: tile.width - 10; y: tile.height - 1; radiusX: 9; radiusY: 9 }
                PathLine { x: 10; y: tile.height - 1 }
                PathArc { x: 1; y: tile.height - 10; radiusX: 9; radiusY: 9 }
                PathLine { x: 1; y: 10 }
                PathArc { x: 10; y: 1; radiusX: 9; radiusY: 9 }
            }
        }
        Rectangle {
            width: 30
            height: 30
            radius: 15
            x: parent.width - width + 7
            y: parent.height - height + 7
            border.width: 2
            border.color: tile.filled ? Theme.accent : "white"
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0; color: tile.filled ? Theme.background : Theme.gradientStart }
                GradientStop { position: 1; color: tile.filled ? Theme.background : Theme.gradientEnd }
            }
            Image {
                anchors.centerIn: parent
                width: tile.filled ? 13 : 16
                height: width
                sourceSize.width: 32
                sourceSize.height: 32
                source: "image://symbol/" + (tile.filled ? "xmark" : "plus") + "?bold=1&color="
                        + encodeURIComponent(tile.filled ? Theme.accent : "white")
            }
        }
    }
}
