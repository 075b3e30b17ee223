// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// A caption over a group of rows.
Item {
    id: cell

    required property string text

    implicitHeight: 44

    Text {
        textFormat: Text.PlainText
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; leftMargin: 20; rightMargin: 20; bottomMargin: 8 }
        text: cell.text
        color: Theme.grey
        font: Theme.footnote
    }
}
