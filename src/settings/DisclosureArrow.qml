// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// The arrow at the end of a row that opens something.
Image {
    width: 14
    height: 14
    sourceSize.width: 28
    sourceSize.height: 28
    rotation: 180
    source: "image://symbol/chevron.left?bold=1&color=" + encodeURIComponent(Theme.grey)
}
