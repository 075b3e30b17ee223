// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Ui
import Zirel.Controls

// The tabs' screens stacked, the selected one shown. The tab buttons are a bar below them at a
// compact width and a sidebar beside them, headed by the owner's photo and name, on a wider one.
Rectangle {
    id: tabs

    required property TabContainer controller
    readonly property bool sidebar: !WindowWidth.compact

    color: Theme.background

    Item {
        id: pages
        anchors { left: tabs.sidebar ? side.right : parent.left; right: parent.right; top: parent.top
                  bottom: tabs.sidebar ? parent.bottom : bar.top }
        Repeater {
            model: tabs.controller.tabs
            ScreenHost {
                required property var modelData
                required property int index
                anchors.fill: parent
                controller: modelData
                shown: index === tabs.controller.selectedIndex
                visible: shown
            }
        }
    }

    Row {
        id: bar
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        // A conversation takes the whole phone screen; beside a sidebar it needs no room.
        visible: !tabs.sidebar && !tabs.controller.barHidden
        height: visible ? 58 : 0
        Repeater {
            model: bar.visible ? tabs.controller.tabs : []
            Pressable {
                id: tab
                required property var modelData
                required property int index
                readonly property color tint: tab.index === tabs.controller.selectedIndex ? Theme.accent : Theme.tabItem
                width: bar.width / Math.max(1, tabs.controller.tabs.length)
                height: bar.height
                Accessible.role: Accessible.PageTab
                Accessible.name: tab.modelData.title
                onClicked: tabs.controller.setSelectedIndex(tab.index)
                TabSymbol {
                    id: symbol
                    anchors { horizontalCenter: parent.horizontalCenter; top: parent.top; topMargin: 7 }
                    symbolName: tabs.controller.icons[tab.index] ?? ""
                    tint: tab.tint
                }
                Text {
                    textFormat: Text.PlainText
                    anchors { horizontalCenter: parent.horizontalCenter; top: symbol.bottom; topMargin: 4 }
                    text: tab.modelData.title
                    font: Theme.tabLabel
                    color: tab.tint
                }
                TabBadge {
                    anchors { horizontalCenter: parent.horizontalCenter; horizontalCenterOffset: 16; top: parent.top; topMargin: 3 }
                    text: tabs.controller.badges[tab.index] ?? ""
                }
            }
        }
    }

    Rectangle {
        id: side
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        width: tabs.sidebar ? 220 : 0
        visible: tabs.sidebar
        color: Theme.background

        Row {
            id: owner
            anchors { left: parent.left; right: parent.right; top: parent.top
                      leftMargin: 20; rightMargin: 16; topMargin: 20 }
            spacing: 12
            AvatarView {
                id: ownerPhoto
                width: 40
                height: 40
                source: tabs.controller.ownerPhoto
            }
            Text {
                textFormat: Text.PlainText
                anchors.verticalCenter: ownerPhoto.verticalCenter
                width: owner.width - ownerPhoto.width - owner.spacing
                text: tabs.controller.ownerName
                elide: Text.ElideRight
                color: Theme.primaryText
                font: Theme.headline
            }
        }

        Column {
            anchors { left: parent.left; right: parent.right; top: owner.bottom; topMargin: 24
                      leftMargin: 8; rightMargin: 8 }
            spacing: 2
            Repeater {
                model: tabs.sidebar ? tabs.controller.tabs : []
                Pressable {
                    id: section
                    required property var modelData
                    required property int index
                    readonly property bool selected: section.index === tabs.controller.selectedIndex
                    readonly property color tint: section.selected ? Theme.accent : Theme.primaryText
                    width: parent.width
                    height: 44
                    Accessible.role: Accessible.PageTab
                    Accessible.name: section.modelData.title
                    onClicked: tabs.controller.setSelectedIndex(section.index)
                    Rectangle {
                        anchors.fill: parent
                        radius: 8
                        color: Theme.accent
                        opacity: section.selected ? 0.1 : section.hovered ? 0.05 : 0
                    }
                    TabSymbol {
                        id: sectionSymbol
                        anchors { left: parent.left; leftMargin: 12; verticalCenter: parent.verticalCenter }
                        symbolName: tabs.controller.icons[section.index] ?? ""
                        tint: section.selected ? Theme.accent : Theme.tabItem
                    }
                    Text {
                        textFormat: Text.PlainText
                        anchors { left: sectionSymbol.right; leftMargin: 12; verticalCenter: parent.verticalCenter
                                  right: sectionBadge.left; rightMargin: 8 }
                        text: section.modelData.title
                        elide: Text.ElideRight
                        font: section.selected ? Theme.subheadStrong : Theme.subhead
                        color: section.tint
                    }
                    TabBadge {
                        id: sectionBadge
                        anchors { right: parent.right; rightMargin: 12; verticalCenter: parent.verticalCenter }
                        text: tabs.controller.badges[section.index] ?? ""
                    }
                }
            }
        }

        Rectangle {
            anchors { right: parent.right; top: parent.top; bottom: parent.bottom }
            width: 1
            color: Theme.grey
            opacity: 0.3
        }
    }
}
