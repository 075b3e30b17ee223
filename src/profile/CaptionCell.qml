// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel

// A caption over the rows it names.
Item {
    id: cell

    required property EditVC controller
    required property int row

    implicitHeight: caption.implicitHeight + 26

    Text {
        id: caption
        textFormat: Text.PlainText
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; bottomMargin: 8 }
        text: cell.controller.rowText(cell.row)
        color: Theme.grey
        font: Theme.footnote
    }
}
