// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// A caption over the rows it names.
Item {
    id: cell

    required property string text

    implicitHeight: caption.implicitHeight + 26

    Text {
        id: caption
        textFormat: Text.PlainText
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; bottomMargin: 8 }
        text: cell.text
        color: Theme.grey
        font: Theme.footnote
    }
}
