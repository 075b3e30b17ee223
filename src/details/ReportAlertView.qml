// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import Zirel.Controls
import Zirel.Details

// Why the person is reported: the heading, the field with its clear button, send and cancel.
Rectangle {
    id: alert

    required property ReportAlertVC controller
    // Typing goes into the reason at once.
    readonly property Item firstControl: field

    color: Theme.scrim

    Rectangle {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 360)
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
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: qsTr("Жалоба на пользователя")
                color: Theme.primaryText
                font: Theme.headline
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: qsTr("Введи причину жалобы")
                color: Theme.primaryText
                font: Theme.caption
            }
            TextField {
                id: field
                width: parent.width
                focus: true
                rightPadding: clearButton.width + 8
                placeholderText: qsTr("Введи причину жалобы")
                placeholderTextColor: Theme.grey
                Accessible.name: placeholderText
                maximumLength: alert.controller.maximumLength
                text: alert.controller.reason
                onTextEdited: alert.controller.reason = text
                enabled: !alert.controller.isSending
                font: Theme.body
                color: Theme.primaryText
                background: Rectangle {
                    radius: 8
                    color: Qt.rgba(Theme.grey.r, Theme.grey.g, Theme.grey.b, 0.15)
                    border.width: field.activeFocus ? 2 : 1
                    border.color: field.activeFocus ? Theme.accent : Qt.rgba(Theme.grey.r, Theme.grey.g, Theme.grey.b, 0.4)
                }

                Pressable {
                    id: clearButton
                    anchors { right: parent.right; rightMargin: 6; verticalCenter: parent.verticalCenter }
                    width: 22
                    height: 22
                    focusRadius: 11
                    visible: field.text.length > 0
                    text: qsTr("Очистить")
                    onClicked: alert.controller.reason = ""
                    background: Rectangle { radius: 11; color: Theme.grey; opacity: 0.5 }
                    Image {
                        anchors.centerIn: parent
                        source: "image://symbol/xmark?color=white"
                        sourceSize.width: 12
                        sourceSize.height: 12
                    }
                }
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 8
                Repeater {
                    model: [true, false]
                    Button {
                        id: action
                        required property bool modelData
                        readonly property bool isSend: modelData
                        width: (content.width - 8) / 2
                        flat: true
                        // A click leaves the keyboard in the field: after a refusal or a failed
                        // send the user types on where they were. Tab still reaches the button.
                        focusPolicy: Qt.TabFocus
                        // "Отмена" stays: a slow service may take a minute to answer.
                        enabled: !(action.isSend && alert.controller.isSending)
                        text: isSend ? qsTr("Отправить") : qsTr("Отмена")
                        Accessible.name: text
                        onClicked: isSend ? alert.controller.sendTapped() : alert.controller.cancelTapped()
                        ActivitySpinner {
                            anchors.centerIn: parent
                            width: 22
                            height: 22
                            running: action.isSend && alert.controller.isSending
                        }
                        contentItem: Text {
                            textFormat: Text.PlainText
                            opacity: action.isSend && alert.controller.isSending ? 0 : 1
                            text: action.text
                            horizontalAlignment: Text.AlignHCenter
                            font: !action.isSend ? Theme.bodyStrong : Theme.body
                            color: Theme.accent
                        }
                    }
                }
            }
        }
    }
}
