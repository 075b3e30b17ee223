// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// One match: photo, name with the verification mark, the unread dot and the last line.
Pressable {
    id: cell

    required property string name
    required property string lastMessage
    required property string avatar
    required property bool hasCheckmark
    required property bool isUnread
    // The conversation shown beside the list.
    required property bool isOpen
    // Framed by the keyboard.
    property bool selected: false
    signal tapped()

    implicitHeight: 80
    focusRadius: 0
    Accessible.name: name
    onClicked: cell.tapped()

    Rectangle {
        anchors.fill: parent
        color: cell.isOpen ? Theme.accent : Theme.primaryText
        opacity: cell.isOpen ? 0.1 : cell.down || cell.hovered ? 0.06 : 0
    }
    FocusRing {
        shown: cell.selected
        controlRadius: 0
    }

    AvatarView {
        id: avatarFrame
        x: 16
        anchors.verticalCenter: parent.verticalCenter
        width: 60
        height: 60
        source: cell.avatar
    }
    Rectangle {
        visible: cell.isUnread
        x: avatarFrame.x + avatarFrame.width - 10
        y: avatarFrame.y + 2
        width: 10
        height: 10
        radius: 5
        color: Theme.destructive
    }

    Column {
        anchors { left: avatarFrame.right; leftMargin: 12; right: parent.right; rightMargin: 16
                  verticalCenter: parent.verticalCenter }
        spacing: 4
        Row {
            id: nameRow
            width: parent.width
            spacing: 6
            Text {
                textFormat: Text.PlainText
                width: Math.min(implicitWidth, nameRow.width - (checkmark.visible ? checkmark.width + nameRow.spacing : 0))
                text: cell.name
                elide: Text.ElideRight
                color: Theme.primaryText
                font: Theme.headline
            }
            Rectangle {
                id: checkmark
                visible: cell.hasCheckmark
                anchors.verticalCenter: parent.verticalCenter
                width: 16
                height: 16
                radius: 8
                color: Theme.accent
                Image {
                    anchors.centerIn: parent
                    width: 10
                    height: 10
                    sourceSize.width: 20
                    sourceSize.height: 20
                    source: "image://symbol/checkmark?bold=1&color=" + encodeURIComponent(Theme.onAccent)
                }
            }
        }
        Text {
            textFormat: Text.PlainText
            width: parent.width
            text: cell.lastMessage
            elide: Text.ElideRight
            maximumLineCount: 1
            color: Theme.grey
            font: Theme.subhead
        }
    }
}
