// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Controls
import Zirel.Likes

// The likes tab: the logo, the count, a line, and the grid of cards below it, centred and at
// most 1000 wide, with the empty state behind it.
Rectangle {
    id: screen

    required property LikesVC controller
    readonly property Item firstControl: grid

    color: Theme.background

    LogoView {
        id: logo
        anchors { top: parent.top; topMargin: 10; horizontalCenter: parent.horizontalCenter }
    }

    Text {
        id: likesButton
        textFormat: Text.PlainText
        anchors { top: logo.bottom; topMargin: 15; horizontalCenter: parent.horizontalCenter }
        text: screen.controller.likesTitle
        color: Theme.primaryText
        font: Theme.subtitle
    }

    Rectangle {
        id: separator
        anchors { top: likesButton.bottom; topMargin: 10; left: parent.left; right: parent.right }
        height: 1
        color: Qt.rgba(Theme.grey.r, Theme.grey.g, Theme.grey.b, 0.3)
    }

    Image {
        anchors { horizontalCenter: parent.horizontalCenter; bottom: hintLabel.top; bottomMargin: 15 }
        width: 100
        height: 100
        sourceSize.width: 200
        sourceSize.height: 200
        source: "image://symbol/heart.text.square?color=" + encodeURIComponent(Theme.accent)
    }
    Text {
        id: hintLabel
        textFormat: Text.PlainText
        anchors { left: parent.left; right: parent.right; leftMargin: 20; rightMargin: 20
                  verticalCenter: parent.verticalCenter; verticalCenterOffset: 50 }
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: screen.controller.hint
        color: Theme.primaryText
        font: Theme.headline
    }

    // Covers the empty state whenever there are cards.
    Rectangle {
        anchors { top: separator.bottom; left: parent.left; right: parent.right; bottom: parent.bottom }
        color: Theme.background
        visible: !screen.controller.gridHidden

        GridView {
            id: grid
            // As many columns as fit, the cells keeping their size on a wide window.
            readonly property int columns: Math.max(1, Math.floor((parent.width - 10) / cellWidth))
            anchors { top: parent.top; bottom: parent.bottom; horizontalCenter: parent.horizontalCenter }
            width: columns * cellWidth
            topMargin: 20
            bottomMargin: 20
            cellWidth: 171 + 10
            cellHeight: 228 + 20
            clip: true
            focus: true
            activeFocusOnTab: true
            boundsBehavior: Flickable.StopAtBounds
            model: screen.controller.cards
            currentIndex: screen.controller.focusedIndex
            onCurrentIndexChanged: screen.controller.focusedIndex = currentIndex
            highlightFollowsCurrentItem: false
            Accessible.name: qsTr("Лайки")

            onActiveFocusChanged: if (!activeFocus) screen.controller.keyboardFocusShown = false
            Keys.onPressed: (event) => {
                if (event.key === Qt.Key_Up || event.key === Qt.Key_Down || event.key === Qt.Key_Tab
                        || event.key === Qt.Key_Backtab)
                    screen.controller.keyboardFocusShown = true
                if (event.key === Qt.Key_Tab && currentIndex < count - 1) {
                    moveCurrentIndexRight()
                    event.accepted = true
                } else if (event.key === Qt.Key_Backtab && currentIndex > 0) {
                    moveCurrentIndexLeft()
                    event.accepted = true
                }
            }

            delegate: LikesCell {
                controller: screen.controller
                focused: GridView.isCurrentItem && screen.controller.keyboardFocusShown
                onPicked: screen.controller.keyboardFocusShown = false
            }
        }
    }}
