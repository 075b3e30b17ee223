// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Controls
import Zirel.Details

// The main information: one line per item, its symbol and its text, with a thin line between
// two items.
Rectangle {
    id: root

    required property var items

    height: column.implicitHeight + 32
    radius: 12
    color: Qt.rgba(Theme.grey.r, Theme.grey.g, Theme.grey.b, 0.12)

    Column {
        id: column
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 16 }
        spacing: 10
        CellHeading {
            icon: "person.crop.square.fill"
            title: qsTr("Основная информация")
        }
        Repeater {
            model: root.items
            Column {
                id: item
                required property int index
                required property var modelData
                width: column.width
                spacing: 10
                Row {
                    spacing: 10
                    Image {
                        anchors.verticalCenter: parent.verticalCenter
                        source: "image://symbol/" + item.modelData.icon + "?color="
                                + encodeURIComponent(Theme.accent)
                        sourceSize.width: 21
                        sourceSize.height: 21
                    }
                    Text {
                        textFormat: Text.PlainText
                        width: item.width - 31
                        anchors.verticalCenter: parent.verticalCenter
                        text: item.modelData.value
                        wrapMode: Text.Wrap
                        color: Theme.primaryText
                        font: Theme.body
                    }
                }
                Rectangle {
                    visible: item.index < root.items.length - 1
                    width: parent.width
                    height: 1
                    color: Qt.rgba(Theme.grey.r, Theme.grey.g, Theme.grey.b, 0.3)
                }
            }
        }
    }
}
