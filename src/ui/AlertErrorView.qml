// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Ui
import Zirel.Controls

// "Ой!" and the message on a card over the dimmed window.
Rectangle {
    id: alert

    required property AlertErrorVC controller

    color: Theme.scrim

    Rectangle {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 400)
        height: content.implicitHeight + 48
        radius: 20
        color: Theme.background

        Column {
            id: content
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 24 }
            spacing: 16

            Text {
                textFormat: Text.PlainText
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: alert.controller.heading
                color: Theme.primaryText
                font: Theme.subtitle
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: alert.controller.message
                color: Theme.primaryText
                font: Theme.body
            }
            GradientButton {
                width: parent.width
                text: alert.controller.actionTitle
                onClicked: alert.controller.actionButtonTapped()
            }
            Pressable {
                id: textButton
                padding: 8
                visible: alert.controller.shouldShowTextButton
                width: parent.width
                text: alert.controller.textButtonTitle
                onClicked: alert.controller.textButtonTapped()
                contentItem: Text {
                    textFormat: Text.PlainText
                    text: textButton.text
                    horizontalAlignment: Text.AlignHCenter
                    color: Theme.primaryText
                    opacity: textButton.down ? 0.5 : 0.8
                    font: Theme.body
                }
            }
        }
    }
}
