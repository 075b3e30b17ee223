// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// The title of a settings row.
Text {
    textFormat: Text.PlainText
    color: Theme.primaryText
    font: Theme.row
    elide: Text.ElideRight
}
