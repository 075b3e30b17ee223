// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Account

// The restore screen on the brand gradient: logo, what happened, "Восстановить".
Item {
    id: screen

    required property RestoreVC controller

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: Theme.gradientStart }
            GradientStop { position: 1.0; color: Theme.gradientEnd }
        }
    }

    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width - 64, 460)
        spacing: 28

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 96
            height: 96
            sourceSize.width: 192
            sourceSize.height: 192
            source: "image://symbol/Logo?color=" + encodeURIComponent("white")
        }
        Text {
            textFormat: Text.PlainText
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: screen.controller.message
            color: "white"
            font: Theme.body
        }
        Pressable {
            id: restoreButton
            focusRadius: 14
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(parent.width, 320)
            height: 52
            enabled: !screen.controller.busy
            text: screen.controller.restoreTitle
            onClicked: screen.controller.loginButtonTapped()

            scale: down ? 0.96 : 1.0
            Behavior on scale { NumberAnimation { duration: restoreButton.down ? 200 : 100 } }

            background: Rectangle {
                radius: 14
                color: "white"
                opacity: restoreButton.down ? 0.85 : 1
            }
            contentItem: Item {
                Text {
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    visible: !screen.controller.busy
                    text: restoreButton.text
                    color: Theme.accent
                    font: Theme.button
                }
                ActivitySpinner {
                    anchors.centerIn: parent
                    height: parent.height * 0.7
                    width: height
                    running: screen.controller.busy
                }
            }
        }
    }
}
