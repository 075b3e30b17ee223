// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import QtQuick.Controls.Basic
import Zirel.Controls
import Zirel.Profile

// The own-profile tab: logo and gear at the top, the photo in its ring with the edit badge, the
// name with the age and the verified mark, and below them a panel in the secondary background
// that will hold the notes.
Rectangle {
    id: screen

    required property ProfileVC controller

    color: Theme.background

    Flickable {
        id: scrollView
        anchors.fill: parent
        contentWidth: width
        contentHeight: Math.max(height, content.implicitHeight)
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollBar.vertical: ScrollBar {}

        Item {
            id: content
            width: scrollView.width
            height: scrollView.contentHeight
            implicitHeight: nameLabel.y + nameLabel.height + 20 + 160

            Rectangle {
                id: invertBackgroundView
                anchors { left: parent.left; right: parent.right }
                y: Math.round(nameLabel.y + nameLabel.height + 20)
                height: parent.height - y
                color: Theme.groupedBackground

                NotesView {
                    anchors { fill: parent; margins: 20 }
                    visible: false
                    count: screen.controller.superlikes
                    onTapped: screen.controller.handleTapOnSuperlikes()
                }
            }

            LogoView {
                x: 15
                y: 10
            }

            Pressable {
                id: settingsButton
                width: 31
                height: 31
                x: parent.width - width - 20
                y: 8
                focusRadius: 15
                Accessible.name: qsTr("Настройки")
                onClicked: screen.controller.settingsButtonTapped()
                contentItem: Image {
                    sourceSize.width: 62
                    sourceSize.height: 62
                    source: "image://symbol/gearshape.fill?color=" + encodeURIComponent(Theme.grey)
                }
            }

            Pressable {
                id: ringButton
                width: 175
                height: 175
                x: Math.round((parent.width - width) / 2)
                y: settingsButton.y + settingsButton.height + 18
                focusRadius: 88
                Accessible.name: qsTr("Изменить профиль")
                onClicked: screen.controller.progressViewTapped()
                CircularImageProgressView {
                    id: progressView
                    anchors.fill: parent
                    progress: 6
                    total: 6
                    image: screen.controller.photo
                    trackColor: Theme.tabItem
                    placeholderColor: Theme.tabItem
                }
            }

            // The percentage asks for what is missing; a full ring needs neither it nor the dot.
            Rectangle {
                x: ringButton.x - 15
                width: ringButton.width + 30
                height: 40
                y: ringButton.y + ringButton.height - 15 - height / 2
                radius: 20
                visible: progressView.meterVisible
                color: Theme.background
                border.width: 1
                border.color: Theme.accent
                Text {
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    text: progressView.percentText
                    color: Theme.accent
                    font: Theme.button
                }
            }

            Rectangle {
                id: editBadge
                width: 50
                height: 50
                radius: 25
                x: ringButton.x + ringButton.width + 10 - width
                y: ringButton.y + 20
                gradient: Gradient {
                    orientation: Gradient.Horizontal
                    GradientStop { position: 0; color: Theme.gradientStart }
                    GradientStop { position: 1; color: Theme.gradientEnd }
                }
                Image {
                    anchors.centerIn: parent
                    width: 22
                    height: 22
                    sourceSize.width: 44
                    sourceSize.height: 44
                    source: "image://symbol/applepencil.gen1?color=" + encodeURIComponent("white")
                }
                Rectangle {
                    width: 12
                    height: 12
                    radius: 6
                    x: editBadge.width - 9 - width / 2
                    y: 9 - height / 2
                    visible: progressView.meterVisible
                    color: Theme.destructive
                }
            }

            Text {
                id: nameLabel
                textFormat: Text.PlainText
                anchors.horizontalCenter: parent.horizontalCenter
                y: ringButton.y + ringButton.height + 15
                text: screen.controller.nameText
                color: Theme.primaryText
                font: Theme.titleAside
            }

            Image {
                width: 24
                height: 24
                x: nameLabel.x + nameLabel.width + 8
                anchors.verticalCenter: nameLabel.verticalCenter
                visible: screen.controller.hasCheckmark
                sourceSize.width: 48
                sourceSize.height: 48
                source: "image://symbol/checkmark.seal.fill?color=" + encodeURIComponent(Theme.accent)
                Accessible.name: qsTr("Профиль подтверждён")
            }
        }
    }
}
