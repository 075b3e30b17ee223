// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Photos

// The camera's picture filling the screen and the round shutter under it.
Rectangle {
    id: screen

    required property CameraCaptureVC controller

    color: "black"

    ImageView {
        anchors.fill: parent
        fit: true
        image: screen.controller.frame
    }

    ActivitySpinner {
        anchors.centerIn: parent
        running: !screen.controller.ready
        color: "white"
    }

    Pressable {
        id: shutter
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 24 }
        width: 72
        height: 72
        enabled: screen.controller.ready
        focusRadius: 36
        text: qsTr("Снять")
        onClicked: screen.controller.shutterTapped()
        contentItem: Item {
            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: "transparent"
                border.color: "white"
                border.width: 4
                opacity: shutter.enabled ? 1 : 0.4
            }
            Rectangle {
                anchors.centerIn: parent
                width: parent.width - 16
                height: width
                radius: width / 2
                color: shutter.pressed ? Theme.grey : "white"
                opacity: shutter.enabled ? 1 : 0.4
            }
        }
    }
}
