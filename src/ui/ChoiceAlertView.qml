// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Ui
import Zirel.Controls

// The title, the message and the actions on a card over the dimmed window.
Rectangle {
    id: alert

    required property ChoiceAlertVC controller

    color: Theme.scrim

    Rectangle {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 360)
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
                font: Theme.button
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: alert.controller.message
                color: Theme.primaryText
                font: Theme.subhead
            }
            Row {
                width: parent.width
                spacing: 12
                Repeater {
                    model: alert.controller.cancelTitle === "" ? [false] : [true, false]
                    Pressable {
                        id: choice
                        focusRadius: 12
                        required property bool modelData
                        readonly property bool isCancel: modelData
                        width: (parent.width - (alert.controller.cancelTitle === "" ? 0 : 12))
                               / (alert.controller.cancelTitle === "" ? 1 : 2)
                        height: 44
                        text: isCancel ? alert.controller.cancelTitle : alert.controller.actionTitle
                        onClicked: isCancel ? alert.controller.cancelTapped() : alert.controller.actionTapped()
                        background: Rectangle {
                            radius: 12
                            color: Theme.grey
                            opacity: choice.down ? 0.35 : 0.18
                        }
                        contentItem: Text {
                            textFormat: Text.PlainText
                            text: choice.text
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                            color: choice.isCancel ? Theme.primaryText : Theme.accent
                            font: choice.isCancel ? Theme.body : Theme.bodyStrong
                        }
                    }
                }
            }
        }
    }
}
