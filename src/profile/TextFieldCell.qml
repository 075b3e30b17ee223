// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel

// One line of text with its placeholder; every change is written back into the row.
Item {
    id: cell

    required property EditVC controller
    required property int row

    implicitHeight: field.height + 6

    UnderlinedTextField {
        id: field
        width: parent.width
        height: 30
        readOnly: cell.controller.frozen
        placeholderText: cell.controller.rowPlaceholder(cell.row)
        Component.onCompleted: text = cell.controller.rowText(cell.row)
        onTextChanged: cell.controller.setFieldText(cell.row, text)
    }
}
