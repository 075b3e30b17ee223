// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Controls
import Zirel.Ui
import Zirel.Onboarding
import Zirel.Photos

// The photo step: the title, six slots in two rows of three, the counter ring with its hint,
// and "Далее". Files dropped anywhere on it go to the cropper.
Item {
    id: screen

    required property PhotoGridVC controller

    // One shortcut for the step and its picker: with two, Qt would run neither.
    Shortcut {
        sequence: "Ctrl+V"
        onActivated: screen.controller.photoGrid.pasteRequested()
    }

    DropArea {
        id: drop
        anchors.fill: parent
        keys: ["text/uri-list"]
        onEntered: (drag) => { drag.accepted = screen.controller.photoGrid.count < 6 }
        onDropped: (event) => {
            event.acceptProposedAction()
            screen.controller.photoGrid.filesDropped(event.urls)
        }
    }

    KeyboardPage {
        id: page
        anchors.fill: parent
        step: screen.controller

        Text {
            textFormat: Text.PlainText
            width: page.columnWidth
            wrapMode: Text.Wrap
            text: qsTr("Добавь свои фото")
            color: Theme.primaryText
            font: Theme.largeTitle
        }
        Item { width: 1; height: 30 }
        PhotoTiles {
            x: (page.columnWidth - width) / 2
            grid: screen.controller.photoGrid
            dropping: drop.containsDrag
        }
        Item { width: 1; height: 30 }
        Row {
            spacing: 16
            CircularProgressView {
                id: counter
                progress: screen.controller?.photoGrid.count ?? 0
                total: 6
            }
            Text {
                textFormat: Text.PlainText
                width: page.columnWidth - counter.width - 16
                anchors.verticalCenter: counter.verticalCenter
                wrapMode: Text.Wrap
                text: screen.controller?.hintText ?? ""
                color: Theme.grey
                font: Theme.subhead
            }
        }
    }
}
