// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Profile

// One line of text with its placeholder; every change is written back into the row.
Item {
    id: cell

    required property EditVC controller
    required property string text
    required property string detail
    required property int tag

    implicitHeight: field.height + 6

    UnderlinedTextField {
        id: field
        width: parent.width
        height: 30
        readOnly: cell.controller.frozen
        placeholderText: cell.detail
        Component.onCompleted: text = cell.text
        onTextChanged: cell.controller.setFieldText(cell.tag, text)
    }
}
