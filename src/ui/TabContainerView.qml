pragma ComponentBehavior: Bound
import QtQuick
import Zirel

// The tabs' screens stacked, the selected one shown, with the bar of tab buttons below.
Rectangle {
    id: tabs

    required property TabContainer controller

    color: Theme.background

    Item {
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: bar.top }
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
        height: tabs.controller.barHidden ? 0 : 58
        visible: !tabs.controller.barHidden
        Repeater {
            model: tabs.controller.tabs
            Pressable {
                id: tab
                required property var modelData
                required property int index
                readonly property color tint: tab.index === tabs.controller.selectedIndex ? Theme.accent : Theme.tabItem
                readonly property string symbolName: tabs.controller.icons[tab.index] ?? ""
                width: bar.width / Math.max(1, tabs.controller.tabs.length)
                height: bar.height
                Accessible.role: Accessible.PageTab
                Accessible.name: tab.modelData.title
                onClicked: tabs.controller.setSelectedIndex(tab.index)
                Image {
                    id: symbol
                    visible: tab.symbolName !== ""
                    anchors { horizontalCenter: parent.horizontalCenter; top: parent.top; topMargin: 7 }
                    width: 22
                    height: 22
                    sourceSize.width: 44
                    sourceSize.height: 44
                    source: tab.symbolName === "" ? "" : "image://symbol/" + tab.symbolName + "?color=" + encodeURIComponent(tab.tint)
                }
                Text {
                    textFormat: Text.PlainText
                    anchors { horizontalCenter: parent.horizontalCenter; top: symbol.bottom; topMargin: 4 }
                    text: tab.modelData.title
                    font.family: "Inter"
                    font.pixelSize: 11
                    font.weight: Font.Medium
                    color: tab.tint
                }
                Rectangle {
                    visible: (tabs.controller.badges[tab.index] ?? "") !== ""
                    anchors { horizontalCenter: parent.horizontalCenter; horizontalCenterOffset: 16; top: parent.top; topMargin: 3 }
                    width: Math.max(18, badgeText.implicitWidth + 8)
                    height: 18
                    radius: 9
                    color: Theme.accent
                    Text {
                        textFormat: Text.PlainText
                        id: badgeText
                        anchors.centerIn: parent
                        text: tabs.controller.badges[tab.index] ?? ""
                        color: "white"
                        font.family: "Inter"
                        font.pixelSize: 11
                        font.bold: true
                    }
                }
            }
        }
    }
}
