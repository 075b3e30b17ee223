// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import Zirel.Controls
import Zirel.Account

// A compact question card over the dimmed window: title, message, optional field, actions.
Rectangle {
    id: alert

    required property AccountAlertVC controller

    color: Theme.scrim

    Rectangle {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 340)
        height: content.implicitHeight + 40
        radius: 16
        color: Theme.background

        Column {
            id: content
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 20 }
            spacing: 12

            Text {
                textFormat: Text.PlainText
                width: parent.width
                visible: text !== ""
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: alert.controller.heading
                color: Theme.primaryText
                font: Theme.headline
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                visible: text !== ""
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: alert.controller.message
                color: Theme.primaryText
                font: Theme.caption
            }
            TextField {
                id: field
                width: parent.width
                visible: alert.controller.hasTextField
                focus: visible
                echoMode: TextInput.Password
                placeholderText: alert.controller.placeholder
                Accessible.name: alert.controller.placeholder
                text: alert.controller.fieldText
                onTextEdited: alert.controller.fieldText = text
                font: Theme.body
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 8

                Repeater {
                    model: alert.controller.actionTitles
                    Pressable {
                        id: action
                        padding: 8
                        required property int index
                        required property string modelData
                        readonly property int style: alert.controller.actionStyles[index]
                        width: (content.width - 8 * (alert.controller.actionTitles.length - 1))
                               / alert.controller.actionTitles.length
                        text: modelData
                        onClicked: alert.controller.actionTapped(index)
                        contentItem: Text {
                            textFormat: Text.PlainText
                            text: action.text
                            horizontalAlignment: Text.AlignHCenter
                            font: action.style === AccountAlertVC.Cancel ? Theme.bodyStrong : Theme.body
                            color: action.style === AccountAlertVC.Destructive ? Theme.destructive : Theme.accent
                        }
                    }
                }
            }
        }
    }
}
