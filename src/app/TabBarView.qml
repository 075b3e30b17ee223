import QtQuick
import QtQuick.Layouts
import Zirel

// The tabs' screens stacked, the selected one shown, with the bar of tab buttons below.
Rectangle {
    id: tabs

    required property TabBar controller
    readonly property ViewController selected: controller.tabs[controller.selectedIndex] ?? null
    readonly property bool barHidden: selected !== null && selected.hidesTabBar

    color: Theme.background

    StackLayout {
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: bar.top }
        currentIndex: tabs.controller.selectedIndex
        Repeater {
            model: tabs.controller.tabs
            ScreenHost {
                required property var modelData
                controller: modelData
            }
        }
    }

    Row {
        id: bar
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: tabs.barHidden ? 0 : 56
        visible: !tabs.barHidden
        Repeater {
            model: tabs.controller.tabs
            Item {
                id: tab
                required property var modelData
                required property int index
                width: bar.width / Math.max(1, tabs.controller.tabs.length)
                height: bar.height
                Accessible.role: Accessible.PageTab
                Accessible.name: tab.modelData.title
                Text {
                    anchors.centerIn: parent
                    text: tab.modelData.title
                    font.family: "Inter"
                    font.pixelSize: 12
                    color: tab.index === tabs.controller.selectedIndex ? Theme.accent : Theme.grey
                }
                Rectangle {
                    visible: (tabs.controller.badges[tab.index] ?? "") !== ""
                    anchors { horizontalCenter: parent.horizontalCenter; horizontalCenterOffset: 18; top: parent.top; topMargin: 6 }
                    width: Math.max(18, badgeText.implicitWidth + 8)
                    height: 18
                    radius: 9
                    color: Theme.accent
                    Text {
                        id: badgeText
                        anchors.centerIn: parent
                        text: tabs.controller.badges[tab.index] ?? ""
                        color: "white"
                        font.family: "Inter"
                        font.pixelSize: 11
                        font.bold: true
                    }
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: tabs.controller.setSelectedIndex(tab.index)
                }
            }
        }
    }
}
