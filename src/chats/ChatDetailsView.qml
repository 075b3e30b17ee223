// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import Zirel.Controls
import Zirel.Ui
import Zirel.Chats

// The conversation: a bar with back, the person and the flag; the bubbles; the input bar.
Rectangle {
    id: screen

    required property ChatDetailsVC controller

    color: Theme.background

    Item {
        id: bar
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 52
        z: 1
        Rectangle { anchors.fill: parent; color: Theme.background }

        Pressable {
            focusRadius: 22
            // Beside the list there is nothing to go back to.
            visible: WindowWidth.compact
            anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
            width: 44
            height: 44
            Accessible.name: qsTr("Назад")
            onClicked: screen.controller.backTapped()
            contentItem: Item {
                Image {
                    anchors.centerIn: parent
                    width: 22
                    height: 22
                    sourceSize.width: 44
                    sourceSize.height: 44
                    source: "image://symbol/chevron.left?bold=1&color=" + encodeURIComponent(Theme.primaryText)
                }
            }
        }

        Pressable {
            id: titleView
            anchors.centerIn: parent
            // A long name is cut short between the back and flag buttons.
            width: Math.min(avatar.width + titleRow.spacing + name.implicitWidth
                            + (checkmark.visible ? titleRow.spacing + checkmark.width : 0), bar.width - 2 * 64)
            height: 44
            Accessible.name: screen.controller.name
            onClicked: screen.controller.titleTapped()
            // A child rather than the content item: the widths below refer to its parts by id.
            Row {
                id: titleRow
                height: parent.height
                spacing: 8
                AvatarView {
                    id: avatar
                    anchors.verticalCenter: parent.verticalCenter
                    width: 30
                    height: 30
                    source: screen.controller.avatar
                }
                Text {
                    textFormat: Text.PlainText
                    id: name
                    anchors.verticalCenter: parent.verticalCenter
                    width: titleView.width - avatar.width - titleRow.spacing
                           - (checkmark.visible ? titleRow.spacing + checkmark.width : 0)
                    text: screen.controller.name
                    elide: Text.ElideRight
                    color: Theme.primaryText
                    font: Theme.row
                }
                Rectangle {
                    id: checkmark
                    visible: screen.controller.hasCheckmark
                    anchors.verticalCenter: parent.verticalCenter
                    width: 14
                    height: 14
                    radius: 7
                    color: Theme.accent
                    Image {
                        anchors.centerIn: parent
                        width: 9
                        height: 9
                        sourceSize.width: 18
                        sourceSize.height: 18
                        source: "image://symbol/checkmark?bold=1&color=" + encodeURIComponent(Theme.onAccent)
                    }
                }
            }
        }

        Pressable {
            focusRadius: 22
            anchors { right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
            width: 44
            height: 44
            Accessible.name: qsTr("Удалить мэтч")
            onClicked: screen.controller.flagButtonTapped()
            contentItem: Item {
                Image {
                    anchors.centerIn: parent
                    width: 22
                    height: 22
                    sourceSize.width: 44
                    sourceSize.height: 44
                    source: "image://symbol/flag.fill?color=" + encodeURIComponent(Theme.accent)
                }
            }
        }
    }

    ListView {
        id: table
        anchors { left: parent.left; right: parent.right; top: bar.bottom; bottom: inputBar.top }
        clip: true
        model: screen.controller.rows
        Accessible.name: qsTr("Сообщения")
        delegate: MessageCell {
            required property int index
            width: table.width
            onResendRequested: screen.controller.resendTapped(index)
            onDeleteRequested: screen.controller.deleteTapped(index)
        }
        onContentYChanged: screen.controller.didScroll(contentY - originY)
        // The first position counts as a scroll too, so a short conversation fetches its past.
        Component.onCompleted: screen.controller.didScroll(contentY - originY)
        onContentHeightChanged: screen.controller.didLayout(contentHeight, height)
        onHeightChanged: screen.controller.didLayout(contentHeight, height)
    }

    Connections {
        target: screen.controller
        function onScrollToBottomRequested(animated) { table.positionViewAtEnd() }
        function onContentOffsetRequested(offsetY) { table.contentY = table.originY + offsetY }
        function onFocusRequested() { field.forceActiveFocus() }
        function onTextChanged() {
            if (field.text !== screen.controller.text)
                field.text = screen.controller.text
        }
    }

    Item {
        id: inputBar
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 56

        TextField {
            id: field
            anchors { left: parent.left; leftMargin: 12; right: send.left; rightMargin: 8
                      verticalCenter: parent.verticalCenter }
            height: 36
            leftPadding: 12
            rightPadding: 12
            placeholderText: qsTr("Сообщение")
            placeholderTextColor: Theme.grey
            color: Theme.primaryText
            font: Theme.body
            Accessible.name: qsTr("Сообщение")
            background: Rectangle {
                radius: 18
                color: Theme.background
                border.width: field.activeFocus ? 2 : 1
                border.color: field.activeFocus ? Theme.accent : Theme.grey
            }
            onTextEdited: screen.controller.textEdited(text)
        }
        Pressable {
            id: send
            focusRadius: 18
            anchors { right: parent.right; rightMargin: 12; verticalCenter: parent.verticalCenter }
            width: 36
            height: 36
            enabled: screen.controller.sendEnabled
            opacity: enabled ? 1 : 0.4
            Accessible.name: qsTr("Отправить")
            onClicked: screen.controller.handleSendButton()
            contentItem: Rectangle {
                radius: width / 2
                color: Theme.accent
                Image {
                    anchors.centerIn: parent
                    width: 20
                    height: 20
                    sourceSize.width: 40
                    sourceSize.height: 40
                    source: "image://symbol/arrow.up?bold=1&color=" + encodeURIComponent(Theme.onAccent)
                }
            }
        }
    }
}
