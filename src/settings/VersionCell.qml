// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// The product mark and the version line, centred.
Item {
    id: cell

    required property string text

    implicitHeight: 96

    Column {
        anchors.centerIn: parent
        spacing: 8
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 32
            height: 32
            sourceSize.width: 64
            sourceSize.height: 64
            source: "image://symbol/Logo?color=" + encodeURIComponent(Theme.accent)
        }
        Text {
            textFormat: Text.PlainText
            anchors.horizontalCenter: parent.horizontalCenter
            text: cell.text
            color: Theme.grey
            font: Theme.body
        }
    }
}
