// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Details

// The about text under its heading.
Rectangle {
    id: root

    required property string text

    height: column.implicitHeight + 32
    radius: 12
    color: Qt.rgba(Theme.grey.r, Theme.grey.g, Theme.grey.b, 0.12)

    Column {
        id: column
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 16 }
        spacing: 8
        CellHeading {
            icon: "quote.opening"
            title: qsTr("Обо мне")
        }
        Text {
            textFormat: Text.PlainText
            width: parent.width
            text: root.text
            wrapMode: Text.Wrap
            color: Theme.primaryText
            font: Theme.body
        }
    }
}
