// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import Zirel

// The settings rows in one column, at most 640 points wide, scrolling when the window is low.
Flickable {
    id: list

    required property SettingsVC controller

    contentWidth: width
    contentHeight: rows.implicitHeight + 20
    boundsBehavior: Flickable.StopAtBounds
    clip: true
    ScrollBar.vertical: ScrollBar {}

    Column {
        id: rows
        x: (list.width - width) / 2
        width: Math.min(list.width, 640)

        Repeater {
            model: list.controller.rows
            SettingsCell {
                width: rows.width
                controller: list.controller
            }
        }
    }
}
