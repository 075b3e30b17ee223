// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel

// Space between two groups of rows.
Item {
    id: cell

    required property EditVC controller
    required property int row

    implicitHeight: cell.controller.rowHeight(cell.row)
}
