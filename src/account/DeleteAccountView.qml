// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import QtQuick.Controls.Basic
import Zirel.Controls
import Zirel.Account

// A scrolling page: the pause symbol, the question, the explanation and the two buttons.
Rectangle {
    id: screen

    required property DeleteAccountVC controller

    color: Theme.background

    Flickable {
        id: scrollView
        anchors.fill: parent
        contentWidth: width
        contentHeight: contentView.implicitHeight + 64
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        Column {
            id: contentView
            y: 32
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(scrollView.width - 48, 520)
            spacing: 20

            // The filled pause symbol: the accent disc with the bars cut out in the page colour.
            Rectangle {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 88
                height: 88
                radius: width / 2
                color: Theme.accent

                Row {
                    anchors.centerIn: parent
                    spacing: 12
                    Repeater {
                        model: 2
                        Rectangle { width: 10; height: 34; radius: 3; color: Theme.background }
                    }
                }
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: screen.controller.titleText
                color: Theme.primaryText
                font: Theme.title
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                wrapMode: Text.Wrap
                text: screen.controller.hintText
                color: Theme.primaryText
                font: Theme.body
                lineHeight: 1.15
            }
            Item { width: 1; height: 8 }
            GradientButton {
                anchors.horizontalCenter: parent.horizontalCenter
                width: Math.min(parent.width, 320)
                text: screen.controller.freezeTitle
                onClicked: screen.controller.freezeButtonTapped()
            }
            Pressable {
                id: deleteButton
                padding: 8
                anchors.horizontalCenter: parent.horizontalCenter
                enabled: !screen.controller.busy
                text: screen.controller.deleteTitle
                onClicked: screen.controller.deleteButtonTapped()
                contentItem: Text {
                    textFormat: Text.PlainText
                    text: deleteButton.text
                    color: Theme.grey
                    font: Theme.bodyStrong
                    horizontalAlignment: Text.AlignHCenter
                }
            }
        }
    }
}
