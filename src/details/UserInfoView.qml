// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Qt.labs.qmlmodels
import Zirel.Controls
import Zirel.Ui
import Zirel.Details
import Zirel.Cards

// A profile in full: the header that closes the screen, the rows of the table in a centred
// column, and the action buttons at the bottom when the opener takes them. Drawn beside the
// feed's cards, it is part of that screen: nothing closes it, and the buttons are the cards'.
Rectangle {
    id: screen

    required property UserInfoVC controller

    color: Theme.background

    Rectangle {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 64
        color: Theme.background
        z: 1

        TapHandler {
            enabled: screen.controller.isPresented
            onTapped: screen.controller.headerTapped()
        }

        Row {
            anchors { left: parent.left; leftMargin: 20; right: infoButton.left; rightMargin: 12
                      verticalCenter: parent.verticalCenter }
            spacing: 8
            Text {
                textFormat: Text.PlainText
                width: Math.min(implicitWidth, parent.width - age.width - checkmark.width - 16)
                text: screen.controller.name
                elide: Text.ElideRight
                color: Theme.primaryText
                font: Theme.title
            }
            Text {
                id: age
                textFormat: Text.PlainText
                text: screen.controller.age
                color: Theme.primaryText
                font: Theme.titleAside
            }
            Rectangle {
                id: checkmark
                anchors.verticalCenter: parent.verticalCenter
                visible: screen.controller.hasCheckmark
                width: visible ? 24 : 0
                height: 24
                radius: 12
                color: Theme.accent
                Accessible.name: qsTr("Профиль подтверждён")
                Image {
                    anchors.centerIn: parent
                    source: checkmark.visible ? "image://symbol/checkmark?color=white&bold=1" : ""
                    sourceSize.width: 15
                    sourceSize.height: 15
                }
            }
        }

        // The whole header closes the screen; the round button is where the keyboard and a
        // screen reader find that.
        Pressable {
            id: infoButton
            visible: screen.controller.isPresented
            anchors { right: parent.right; rightMargin: 20; verticalCenter: parent.verticalCenter }
            width: 33
            height: 33
            focusRadius: 16.5
            Accessible.name: qsTr("Закрыть профиль")
            onClicked: screen.controller.headerTapped()
            background: Rectangle {
                radius: infoButton.focusRadius
                color: Theme.accent
            }
            contentItem: Item {
                Image {
                    anchors.centerIn: parent
                    source: "image://symbol/arrowshape.down.fill?color=white"
                    sourceSize.width: 18
                    sourceSize.height: 18
                }
            }
        }
    }

    // A handful of rows: a plain column that scrolls, so every row is made once.
    Flickable {
        id: table
        anchors { top: header.bottom; bottom: parent.bottom; horizontalCenter: parent.horizontalCenter }
        width: Math.min(parent.width - 24, 500)
        clip: true
        contentHeight: rows.height + (buttons.visible ? 120 : 30)
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: rows
            width: table.width
            topPadding: 10
            // Each row drawn by the cell of its kind.
            Repeater {
                model: screen.controller.rows
                delegate: DelegateChooser {
                    role: "kind"
                    DelegateChoice {
                        roleValue: RowModel.Photos
                        UserInfoImageCellView { width: rows.width; cell: screen.controller.imageCell }
                    }
                    DelegateChoice {
                        roleValue: RowModel.About
                        AboutCell { width: rows.width }
                    }
                    DelegateChoice {
                        roleValue: RowModel.MainInfo
                        MainInfoCell { width: rows.width; items: screen.controller.mainInfo }
                    }
                    DelegateChoice {
                        roleValue: RowModel.Spacer
                        EmptyCell {
                            required property int value
                            width: rows.width
                            gap: value
                        }
                    }
                    DelegateChoice {
                        roleValue: RowModel.Button
                        RoundedButtonCell {
                            required property int index
                            width: rows.width
                            busy: screen.controller.isBlocking
                            onClicked: screen.controller.rowSelected(index)
                        }
                    }
                    DelegateChoice {
                        roleValue: RowModel.DestructiveButton
                        RoundedButtonCell {
                            required property int index
                            width: rows.width
                            destructive: true
                            onClicked: screen.controller.rowSelected(index)
                        }
                    }
                }
            }
        }
    }

    // The buttons lie over the end of the table, whose bottom inset leaves them room.
    Rectangle {
        id: buttons
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: buttonRow.height + 32
        visible: screen.controller.isMain && screen.controller.isPresented
        gradient: Gradient {
            GradientStop { position: 0.0; color: Qt.rgba(Theme.background.r, Theme.background.g, Theme.background.b, 0) }
            GradientStop { position: 0.4; color: Theme.background }
        }
        ButtonStackRow {
            id: buttonRow
            anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 16 }
            width: Math.min(screen.width, 420)
            height: implicitHeight
            stack: screen.controller.buttonStackView
        }
    }
}
