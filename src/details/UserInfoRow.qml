// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel

// One row of a profile's details, drawn by the view of its kind.
Loader {
    id: row

    required property int index
    required property string modelData
    required property UserInfoVC controller

    Component.onCompleted: {
        switch (row.modelData) {
        case "photoGrid":
            row.setSource("UserInfoImageCellView.qml", { cell: row.controller.imageCell })
            break
        case "aboutMe":
            row.setSource("AboutCell.qml", { text: row.controller.aboutMe })
            break
        case "mainInfo":
            row.setSource("MainInfoCell.qml", { items: row.controller.mainInfo })
            break
        case "block":
        case "complain":
            row.setSource("RoundedButtonCell.qml", { destructive: row.modelData === "complain" })
            break
        default:
            row.setSource("../controls/EmptyCell.qml")
        }
    }

    Binding {
        target: row.item
        property: "busy"
        value: row.controller.isBlocking
        when: row.modelData === "block" && row.item !== null
    }

    Connections {
        target: row.item
        ignoreUnknownSignals: true
        function onClicked() { row.controller.rowSelected(row.index) }
    }
}
