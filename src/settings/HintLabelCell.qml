// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// An explanation under a row, over several lines.
Item {
    id: cell

    required property string text

    implicitHeight: hint.implicitHeight + 8

    Text {
        id: hint
        textFormat: Text.PlainText
        x: 20
        width: parent.width - 40
        wrapMode: Text.Wrap
        text: cell.text
        color: Theme.grey
        font: Theme.caption
        lineHeight: 1.15
    }
}
