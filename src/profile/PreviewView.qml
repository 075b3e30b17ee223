// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Profile

// The card as others will see it, centred in the space below the editor's strip.
Rectangle {
    id: preview

    required property PreviewVC controller

    color: Theme.background

    Item {
        id: cardArea
        anchors { fill: parent; margins: 16 }
        Component.onCompleted: preview.controller.attachCardArea(cardArea)
    }
}
