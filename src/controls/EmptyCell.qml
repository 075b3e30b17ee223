// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick

// A blank row between groups of rows.
Item {
    property real gap: 9
    implicitHeight: gap
    height: implicitHeight
}
