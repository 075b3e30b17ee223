// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import QtQuick.Controls.Basic
import Zirel.Feed
import Zirel.Controls

// The note over the feed: the profile's photo, the invitation, the field with its send button
// and counter, and the skip button, centred on a dimmed backdrop. A desktop keyboard covers
// nothing, so the content only needs to scroll when the window is short.
Rectangle {
    id: screen

    required property NoteMessageVC controller
    readonly property Item firstControl: field

    color: Theme.photoShade

    MouseArea { anchors.fill: parent } // keeps clicks from reaching the feed below

    Flickable {
        id: scroll
        anchors.fill: parent
        contentWidth: width
        contentHeight: Math.max(height, column.implicitHeight + 40)
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: column
            width: Math.min(scroll.width - 40, 420)
            anchors.centerIn: parent
            spacing: 16

            Item {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 80
                height: 80
                Rectangle {
                    anchors.fill: parent
                    radius: 40
                    color: Theme.grey
                    visible: screen.controller.avatarSource === ""
                }
                Image {
                    anchors.fill: parent
                    source: screen.controller.avatarSource
                    fillMode: Image.PreserveAspectCrop
                    Accessible.name: qsTr("Фото профиля")
                }
            }
            Image {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 32
                height: 32
                sourceSize.width: 64
                sourceSize.height: 64
                source: "image://symbol/message.fill?color=" + encodeURIComponent("white")
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: qsTr("Отправь сообщение данному пользователю и увеличь свои шансы на мэтч!")
                color: "white"
                font: Theme.subhead
            }
            TextField {
                id: field
                width: parent.width
                height: 44
                leftPadding: 15
                rightPadding: sendButton.width + 15
                placeholderText: qsTr("Напиши текст сообщения")
                placeholderTextColor: Theme.grey
                color: "#212627"
                font: Theme.subhead
                Accessible.name: qsTr("Текст сообщения")
                background: Rectangle { radius: 12; color: "white" }
                onTextEdited: {
                    if (screen.controller.proposeText(text))
                        return
                    const cursor = cursorPosition - (text.length - screen.controller.text.length)
                    text = screen.controller.text
                    cursorPosition = Math.max(0, Math.min(cursor, text.length))
                }
                onAccepted: screen.controller.returnPressed()
                // The note stays as typed while the super-like is on its way.
                readOnly: screen.controller.sending

                FocusRing {
                    shown: field.activeFocus
                    controlRadius: 12
                }

                Pressable {
                    id: sendButton
                    anchors { right: parent.right; rightMargin: 7; verticalCenter: parent.verticalCenter }
                    padding: 8
                    implicitWidth: implicitContentWidth + leftPadding + rightPadding
                    implicitHeight: implicitContentHeight + topPadding + bottomPadding
                    text: qsTr("Отправить")
                    enabled: !screen.controller.sending
                    onClicked: screen.controller.sendButtonTapped()
                    ActivitySpinner {
                        anchors.centerIn: parent
                        width: 22
                        height: 22
                        running: screen.controller.sending
                    }
                    contentItem: Text {
                        textFormat: Text.PlainText
                        opacity: screen.controller.sending ? 0 : 1
                        text: sendButton.text
                        color: Theme.accent
                        font: Theme.subheadStrong
                    }
                }
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: screen.controller.counterText
                color: "#A9A9A9"
                font: Theme.small
            }
            Pressable {
                id: skipButton
                anchors.horizontalCenter: parent.horizontalCenter
                padding: 8
                implicitWidth: implicitContentWidth + leftPadding + rightPadding
                implicitHeight: implicitContentHeight + topPadding + bottomPadding
                text: qsTr("Пропустить")
                enabled: !screen.controller.sending
                onClicked: screen.controller.skipButtonTapped()
                contentItem: Text {
                    textFormat: Text.PlainText
                    text: skipButton.text
                    color: "white"
                    font: Theme.subhead
                }
            }
        }
    }
}
