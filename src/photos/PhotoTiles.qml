// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Controls
import Zirel.Photos

// The six slots of a photo grid in two rows of three. Taps go to the grid; while files are
// dragged over the screen the outlines turn green; while a dropped file is read, a spinner
// turns over them.
Item {
    id: tiles

    required property PhotoGrid grid
    property bool dropping: false

    implicitWidth: cells.implicitWidth
    implicitHeight: cells.implicitHeight

    Grid {
        id: cells
        columns: 3
        columnSpacing: 10
        rowSpacing: 23
        enabled: !(tiles.grid?.frozen ?? true) && !(tiles.grid?.reading ?? false)

        Repeater {
            model: 6
            PhotoCell {
                id: tile
                required property int index
                filled: tiles.grid?.thumbnails[tile.index] !== undefined
                image: tiles.grid?.thumbnails[tile.index] ?? null
                dropping: tiles.dropping
                onClicked: tiles.grid.tileTapped(tile.index)
            }
        }
    }

    ActivitySpinner {
        anchors.centerIn: parent
        width: 48
        height: 48
        running: tiles.grid?.reading ?? false
    }
}
