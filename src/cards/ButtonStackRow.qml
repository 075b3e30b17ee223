// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Cards

// The row of action buttons under the stack: side margins and button sizes follow the row's
// width, the buttons spread with equal spacing.
Item {
    id: row

    required property ButtonStackView stack

    readonly property real margin: row.stack.sideMargin(width)
    readonly property var containers: row.stack.placedContainers
    readonly property real buttonsWidth: {
        let total = 0
        for (let i = 0; i < containers.length; ++i)
            total += containers[i].sideForRowWidth(width)
        return total
    }
    readonly property real spacing: containers.length > 1
        ? (width - 2 * margin - buttonsWidth) / (containers.length - 1) : 0

    implicitHeight: row.stack.rowHeight(width)

    Row {
        x: row.margin
        anchors.verticalCenter: parent.verticalCenter
        spacing: row.spacing
        Repeater {
            model: row.containers
            CardButtonView {
                required property var modelData
                container: modelData
                width: container.sideForRowWidth(row.width)
                height: width
                anchors.verticalCenter: parent ? parent.verticalCenter : undefined
            }
        }
    }
}
