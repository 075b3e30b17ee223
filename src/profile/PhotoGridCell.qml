// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Profile
import Zirel.Photos

// The six photo tiles, as on the registration's photo step. Pictures dropped on them are
// cropped into the first empty slot while there is one.
Item {
    id: cell

    required property EditVC controller

    implicitHeight: tiles.height + 10

    DropArea {
        id: drop
        anchors.fill: parent
        keys: ["text/uri-list"]
        onEntered: (drag) => {
            drag.accepted = cell.controller.photoGrid.count < 6 && !cell.controller.frozen
        }
        onDropped: (event) => {
            event.acceptProposedAction()
            cell.controller.photoGrid.filesDropped(event.urls)
        }
    }

    PhotoTiles {
        id: tiles
        anchors.horizontalCenter: parent.horizontalCenter
        grid: cell.controller.photoGrid
        dropping: drop.containsDrag
    }
}
