// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// The notes one can still send: a heart card, the count and "записок", and a plus that will
// buy more. The notes come later; the own-profile tab keeps the panel hidden until then.
Rectangle {
    id: notes

    property int count: 0
    signal tapped()

    radius: 10
    color: Theme.background

    MouseArea {
        anchors.fill: parent
        onClicked: notes.tapped()
    }

    Column {
        anchors.centerIn: parent
        spacing: 6

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 44
            height: 44
            fillMode: Image.PreserveAspectFit
            sourceSize.width: 88
            sourceSize.height: 88
            source: "image://symbol/heart.text.square.fill?color=" + encodeURIComponent(Theme.accent)
        }
        Text {
            textFormat: Text.PlainText
            anchors.horizontalCenter: parent.horizontalCenter
            text: String(notes.count)
            color: Theme.primaryText
            font: Theme.bodyStrong
        }
        Text {
            textFormat: Text.PlainText
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("записок")
            color: Theme.primaryText
            font: Theme.caption
        }
        Text {
            textFormat: Text.PlainText
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("ПОЯВИТСЯ ПОЗЖЕ")
            color: Theme.grey
            font: Theme.smallStrong
        }
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 28
            height: 28
            radius: 14
            color: "transparent"
            border.width: 1
            border.color: Theme.accent
            Image {
                anchors.centerIn: parent
                width: 16
                height: 16
                sourceSize.width: 32
                sourceSize.height: 32
                source: "image://symbol/plus?color=" + encodeURIComponent(Theme.accent)
            }
        }
    }
}
