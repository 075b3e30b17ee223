// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Qt.labs.qmlmodels
import QtQuick.Controls.Basic
import Zirel.Controls
import Zirel.Ui
import Zirel.Profile

// The editing list: one cell per row, in a column that scrolls to keep the field being typed
// in on screen. Ctrl+V outside the text fields pastes a picture into the photo tiles.
Rectangle {
    id: editView

    required property EditVC controller

    color: Theme.background

    Shortcut {
        sequence: "Ctrl+V"
        enabled: editView.visible
        onActivated: editView.controller.photoGrid.pasteRequested()
    }

    Connections {
        target: editView.controller
        function onEndEditingRequested() { editView.forceActiveFocus() }
    }

    // Tab walks the rows; whatever the keyboard moves to is scrolled into view, and kept there
    // when the window shrinks. Only the rows' own controls count: a sheet over the editor has
    // controls that lie over the rows too.
    function revealFocused() {
        const item = editView.Window.activeFocusItem
        let up = item
        while (up && up !== column)
            up = up.parent
        // Focus given while the sheet is still being laid out is looked at again once the list
        // has its size: measured against no height, everything looks out of view.
        if (!up || scrollView.height <= 0)
            return
        const top = item.mapToItem(column, 0, 0).y + column.y
        const bottom = top + item.height
        if (top < scrollView.contentY)
            scrollView.contentY = Math.max(0, top - 20)
        else if (bottom > scrollView.contentY + scrollView.height)
            scrollView.contentY = Math.min(scrollView.contentHeight - scrollView.height,
                                           bottom - scrollView.height + 20)
    }

    Connections {
        target: editView.Window.window
        function onActiveFocusItemChanged() { editView.revealFocused() }
    }

    Flickable {
        id: scrollView
        anchors.fill: parent
        contentWidth: width
        contentHeight: column.y + column.height + 30
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollBar.vertical: ScrollBar {}
        onHeightChanged: editView.revealFocused()

        Column {
            id: column
            x: Math.round((scrollView.width - width) / 2)
            y: 10
            width: Math.min(scrollView.width - 40, 600)

            // Each row drawn by the cell of its kind.
            Repeater {
                model: editView.controller.rows
                delegate: DelegateChooser {
                    role: "kind"
                    DelegateChoice {
                        roleValue: RowModel.Caption
                        CaptionCell { width: column.width }
                    }
                    DelegateChoice {
                        roleValue: RowModel.Photos
                        PhotoGridCell { width: column.width; controller: editView.controller }
                    }
                    DelegateChoice {
                        roleValue: RowModel.TextLines
                        TextCell { width: column.width; controller: editView.controller }
                    }
                    DelegateChoice {
                        roleValue: RowModel.TextLine
                        TextFieldCell { width: column.width; controller: editView.controller }
                    }
                    DelegateChoice {
                        roleValue: RowModel.Spacer
                        EmptyCell {
                            required property int value
                            width: column.width
                            gap: value
                        }
                    }
                }
            }
        }
    }
}
