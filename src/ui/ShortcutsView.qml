// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import Zirel.Ui
import Zirel.Controls

// Every keyboard shortcut, a heading per screen and a row per shortcut: the keys in a frame,
// what they do beside them.
Rectangle {
    id: screen

    required property ShortcutsVC controller

    color: Theme.background

    Item {
        id: bar
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 52
        Text {
            textFormat: Text.PlainText
            anchors.centerIn: parent
            text: screen.controller.title
            color: Theme.primaryText
            font: Theme.headline
        }
        BarButton {
            anchors { right: parent.right; rightMargin: 12; verticalCenter: parent.verticalCenter }
            text: qsTr("Закрыть")
            onClicked: screen.controller.closeTapped()
        }
    }

    Flickable {
        id: list
        anchors { left: parent.left; right: parent.right; top: bar.bottom; bottom: parent.bottom }
        contentHeight: groups.height + 24
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        Column {
            id: groups
            x: 24
            width: list.width - 48
            spacing: 20
            Repeater {
                model: KeyTable.groups
                Column {
                    id: group
                    required property var modelData
                    width: groups.width
                    spacing: 6
                    Text {
                        textFormat: Text.PlainText
                        text: group.modelData.title.toUpperCase()
                        color: Theme.grey
                        font: Theme.footnote
                    }
                    Repeater {
                        model: group.modelData.rows
                        Item {
                            id: row
                            required property var modelData
                            width: group.width
                            height: Math.max(32, what.implicitHeight + 10)
                            Rectangle {
                                id: keys
                                anchors.verticalCenter: parent.verticalCenter
                                width: Math.max(keysText.implicitWidth + 16, 40)
                                height: 26
                                radius: 6
                                color: "transparent"
                                border.width: 1
                                border.color: Theme.grey
                                Text {
                                    id: keysText
                                    textFormat: Text.PlainText
                                    anchors.centerIn: parent
                                    text: row.modelData.keys
                                    color: Theme.primaryText
                                    font: Theme.captionStrong
                                }
                            }
                            Text {
                                id: what
                                textFormat: Text.PlainText
                                anchors { left: parent.left; leftMargin: Math.max(150, keys.width + 12); right: parent.right
                                          verticalCenter: parent.verticalCenter }
                                text: row.modelData.what
                                wrapMode: Text.Wrap
                                color: Theme.primaryText
                                font: Theme.subhead
                            }
                        }
                    }
                }
            }
        }
    }
}
