// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Likes

// One cell of the likes grid: the card the screen makes for it, with its drawing, and the
// frame of the keyboard's focus.
Item {
    id: cell

    required property int index
    required property string cardId
    property LikesVC controller
    property bool focused: false
    property CardCellView card: null

    signal picked()

    width: 171 + 10
    height: 228 + 20
    // A dragged card moves over its neighbours.
    z: card !== null && card.lifted ? 10 : 0

    Item {
        id: slot
        x: 5
        y: 10
        width: 171
        height: 228
    }

    Rectangle {
        x: slot.x - 4
        y: slot.y - 4
        width: slot.width + 8
        height: slot.height + 8
        radius: 13
        color: "transparent"
        border.width: 3
        border.color: Theme.accent
        visible: cell.focused
    }

    // The drawing the card carries along when it moves.
    Item {
        id: content

        Rectangle {
            anchors.fill: parent
            radius: 10
            color: "black"
        }
        ImageView {
            anchors.fill: parent
            image: cell.card ? cell.card.image : null
        }
        // Rounded at the card's corners, straight at its top edge.
        Rectangle {
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
            height: name.height + 9
            radius: 10
            color: Theme.photoShade
            Rectangle {
                anchors { left: parent.left; right: parent.right; top: parent.top }
                height: parent.height - parent.radius
                color: Theme.photoShade
            }
        }
        Text {
            id: name
            textFormat: Text.PlainText
            x: 10
            anchors { bottom: parent.bottom; bottomMargin: 6 }
            width: Math.min(implicitWidth, parent.width - 20 - age.width - 5
                            - (checkmark.visible ? checkmark.width + 6 : 0))
            elide: Text.ElideRight
            text: cell.card ? cell.card.name : ""
            color: "white"
            font: Theme.bodyStrong
        }
        Text {
            id: age
            textFormat: Text.PlainText
            anchors { left: name.right; leftMargin: 5; top: name.top }
            text: cell.card ? cell.card.age : ""
            color: "white"
            font: Theme.body
        }
        Image {
            id: checkmark
            anchors { left: age.right; leftMargin: 6; verticalCenter: age.verticalCenter }
            visible: cell.card !== null && cell.card.hasCheckmark
            source: visible ? "image://symbol/checkmark?color=white&bold=1" : ""
            sourceSize.width: 16
            sourceSize.height: 16
            Accessible.name: qsTr("Профиль подтверждён")
        }
    }

    Component.onCompleted: {
        cell.card = cell.controller.makeCard(cell.cardId, slot, content)
    }

    // A card thrown away leaves its cell only when it has flown off.
    GridView.onRemove: {
        if (cell.card === null)
            return
        GridView.delayRemove = true
        release.start()
    }
    Timer {
        id: release
        interval: 800
        onTriggered: cell.GridView.delayRemove = false
    }
}
