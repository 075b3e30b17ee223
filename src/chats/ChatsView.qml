// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Controls
import Zirel.Chats

// The matches list under the logo, the empty state behind it, a spinner below the last row
// while a page loads.
Rectangle {
    id: screen

    required property ChatsVC controller

    color: Theme.background

    LogoView {
        id: logo
        anchors { top: parent.top; topMargin: 10; horizontalCenter: parent.horizontalCenter }
    }

    Image {
        id: pairsImage
        anchors { horizontalCenter: parent.horizontalCenter; bottom: hintLabel.top; bottomMargin: 15 }
        width: 100
        height: 100
        sourceSize.width: 200
        sourceSize.height: 200
        source: "image://symbol/person.crop.rectangle.stack?color=" + encodeURIComponent(Theme.accent)
    }
    Text {
        textFormat: Text.PlainText
        id: hintLabel
        anchors { left: parent.left; right: parent.right; leftMargin: 20; rightMargin: 20
                  verticalCenter: parent.verticalCenter; verticalCenterOffset: 50 }
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: screen.controller.hint
        color: Theme.primaryText
        font: Theme.headline
    }

    ListView {
        id: table
        anchors { top: logo.bottom; topMargin: 20; left: parent.left; right: parent.right
                  bottom: parent.bottom }
        visible: !screen.controller.tableHidden
        clip: true
        model: screen.controller.rows
        Accessible.name: qsTr("Пары")
        // The table covers the empty state whenever it has rows.
        Rectangle { anchors.fill: parent; color: Theme.background; z: -1 }
        // Nothing is framed until the keyboard moves: ↓ frames the first row, Return opens it.
        currentIndex: -1
        keyNavigationEnabled: true
        highlightMoveDuration: 0
        delegate: ChatCell {
            required property int index
            width: table.width
            selected: ListView.isCurrentItem && table.activeFocus
            onTapped: {
                table.currentIndex = index
                screen.controller.selectRow(index)
            }
        }
        onContentYChanged: screen.controller.didScroll(contentY - originY, contentHeight, height)
        // Return opens the framed row rather than going to the window's own Return command.
        Keys.onShortcutOverride: (event) => {
            event.accepted = table.currentIndex >= 0
                             && (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
        }
        Keys.onReturnPressed: screen.controller.selectRow(table.currentIndex)
        Keys.onEnterPressed: screen.controller.selectRow(table.currentIndex)
    }

    // Coming to the list, by its tab or back from a conversation, the keyboard goes to it.
    Connections {
        target: screen.controller
        function onAppeared() { table.forceActiveFocus() }
    }

    // A further page on its way, at the foot of the list. (Not the list's footer: a footer
    // component bound to this file is refused by the list view of Qt 6.4.)
    ActivitySpinner {
        anchors { horizontalCenter: table.horizontalCenter; bottom: table.bottom; bottomMargin: 4 }
        running: screen.controller.isLoading && !screen.controller.tableHidden
        visible: running
        height: 36
        width: 36
    }
}
