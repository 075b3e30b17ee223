// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// One bubble: own messages on the right in the accent colour, the other's on the left in grey,
// with the error mark beside a message that was not sent and, under it, the choice to send it
// again or delete it.
Item {
    id: cell

    required property string content
    required property bool isOwn
    required property bool failed

    signal resendRequested()
    signal deleteRequested()

    implicitHeight: bubble.height + 8 + (actions.visible ? actions.height + 4 : 0)

    Rectangle {
        id: bubble
        y: 4
        x: cell.isOwn ? cell.width - 12 - width : 12
        width: Math.min(250, label.implicitWidth + 24)
        height: label.height + 16
        radius: 16
        color: cell.isOwn ? Theme.accent : Theme.incomingBubble

        Text {
            textFormat: Text.PlainText
            id: label
            x: 12
            y: 8
            width: Math.min(label.implicitWidth, 250 - 24)
            text: cell.content
            wrapMode: Text.Wrap
            color: cell.isOwn ? "white" : "black"
            font: Theme.body
        }
    }
    // The error mark: a filled circle with "!" cut in white.
    Rectangle {
        visible: cell.failed
        width: 20
        height: 20
        radius: 10
        x: bubble.x - 5 - width
        y: bubble.y + bubble.height - 2 - height
        color: Theme.accent
        Accessible.name: qsTr("Не отправлено")
        Text {
            textFormat: Text.PlainText
            anchors.centerIn: parent
            text: "!"
            color: "white"
            font: Theme.captionStrong
        }
    }
    Row {
        id: actions
        visible: cell.failed
        anchors { right: bubble.right; top: bubble.bottom; topMargin: 4 }
        spacing: 16
        Repeater {
            model: [{ text: qsTr("Отправить снова"), resend: true },
                    { text: qsTr("Удалить"), resend: false }]
            delegate: Pressable {
                id: action
                required property var modelData
                text: action.modelData.text
                focusRadius: 4
                implicitWidth: action.implicitContentWidth + 8
                implicitHeight: 28
                onClicked: action.modelData.resend ? cell.resendRequested() : cell.deleteRequested()
                contentItem: Text {
                    textFormat: Text.PlainText
                    text: action.text
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    color: action.modelData.resend ? Theme.accent : Theme.grey
                    font: Theme.caption
                }
            }
        }
    }
}
