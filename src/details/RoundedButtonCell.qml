// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// A row that blocks or reports the person: a rounded button with its bold title, red for the
// report. While its request is on its way it turns round and takes no press.
Pressable {
    id: root

    property bool destructive: false
    property bool busy: false

    height: 52
    focusRadius: 12
    text: destructive ? qsTr("Пожаловаться на пользователя") : qsTr("Заблокировать пользователя")
    background: Rectangle {
        radius: 12
        color: Qt.rgba(Theme.grey.r, Theme.grey.g, Theme.grey.b, 0.12)
    }
    enabled: !busy
    contentItem: Item {
        ActivitySpinner {
            anchors.centerIn: parent
            width: 24
            height: 24
            running: root.busy
        }
        Text {
            anchors.fill: parent
            visible: !root.busy
            textFormat: Text.PlainText
            text: root.text
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            color: root.destructive ? "#FF3B30" : Theme.primaryText
            font: Theme.bodyStrong
        }
    }
}
