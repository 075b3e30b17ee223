// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Ui
import Zirel.Feed
import Zirel.Cards

// The feed: the logo and the filter button on top; below them either the card stack with its
// button row, the own photo with the searching halo, or the message screen. On a wide window the
// top card's profile stands beside the stack.
Rectangle {
    id: screen

    required property MainVC controller
    readonly property bool beside: screen.controller.topDetails !== null
    readonly property int gap: 24
    // The profile takes what the stack leaves, up to a reading width.
    readonly property int detailsWidth: Math.min(560, screen.width - content.width - 3 * gap)

    color: Theme.background

    Binding {
        target: screen.controller
        property: "detailsBeside"
        value: WindowWidth.wide
    }

    Item {
        id: haloArea
        anchors.fill: parent
        clip: true
        onWidthChanged: screen.placeHalo()
        onHeightChanged: screen.placeHalo()
    }

    function placeHalo() {
        controller.centerHalo(avatar.mapToItem(haloArea, avatar.width / 2, avatar.height / 2))
    }

    Item {
        id: header
        anchors { top: parent.top; left: parent.left; right: parent.right; topMargin: 10 }
        height: 44

        LogoView {
            anchors { left: parent.left; leftMargin: 16; verticalCenter: parent.verticalCenter }
        }
        Pressable {
            id: filterButton
            anchors { right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
            width: 44
            height: 44
            Accessible.name: qsTr("Настройки поиска")
            onClicked: screen.controller.filterButtonTapped()
            Image {
                anchors.centerIn: parent
                width: 24
                height: 24
                sourceSize.width: 48
                sourceSize.height: 48
                source: "image://symbol/slider.horizontal.3?color=" + encodeURIComponent(Theme.primaryText)
                        + "&bold=1"
            }
        }
    }

    // The feed keeps a phone's proportions on a wide window.
    Item {
        id: content
        anchors { top: header.bottom; bottom: parent.bottom; horizontalCenter: parent.horizontalCenter
                  horizontalCenterOffset: screen.beside ? -(screen.detailsWidth + screen.gap) / 2 : 0 }
        width: Math.min(parent.width, 480)

        Item {
            id: stackArea
            anchors { top: parent.top; left: parent.left; right: parent.right; bottom: buttonRow.top
                      leftMargin: 12; rightMargin: 12; topMargin: 8; bottomMargin: 8 }
            visible: screen.controller.cardStackVisible
        }

        ButtonStackRow {
            id: buttonRow
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom; bottomMargin: 16 }
            height: implicitHeight
            stack: screen.controller.buttonStackView
            visible: screen.controller.buttonStackVisible
        }

        AvatarView {
            id: avatar
            anchors.centerIn: parent
            width: 100
            height: 100
            source: screen.controller.avatarSource
            visible: screen.controller.avatarVisible
            Accessible.name: qsTr("Твоё фото")
            onXChanged: screen.placeHalo()
            onYChanged: screen.placeHalo()
        }

        Text {
            textFormat: Text.PlainText
            id: noCardsLabel
            anchors { top: avatar.bottom; topMargin: 40; left: parent.left; right: parent.right
                      leftMargin: 32; rightMargin: 32 }
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            // A hidden text is laid out all the same; a start straight into the cards needs
            // neither its layout nor its font.
            text: visible ? screen.controller.noCardsText : ""
            visible: screen.controller.noCardsLabelVisible
            color: Theme.primaryText
            font: Theme.row
        }

        // Made only for the message states: its button brings in the controls library, which
        // a start straight into the cards does not need.
        Loader {
            id: message
            anchors { centerIn: parent; verticalCenterOffset: -30 }
            width: Math.min(parent.width - 64, 420)
            active: screen.controller.messageVisible
            Component.onCompleted: setSource("FeedMessageView.qml", { controller: screen.controller })
        }
    }

    Rectangle {
        id: details
        visible: screen.beside
        anchors { top: header.bottom; bottom: parent.bottom; left: content.right
                  topMargin: 8; bottomMargin: 16; leftMargin: screen.gap }
        width: screen.detailsWidth
        color: Theme.background
        border.width: 1
        border.color: Qt.rgba(Theme.grey.r, Theme.grey.g, Theme.grey.b, 0.3)
        radius: 12
        ScreenHost {
            anchors { fill: parent; margins: 1; topMargin: 6; bottomMargin: 6 }
            clip: true
            asynchronous: true
            controller: screen.controller.topDetails
        }
    }

    Component.onCompleted: {
        controller.attachViews(stackArea, haloArea)
        placeHalo()
    }
}
