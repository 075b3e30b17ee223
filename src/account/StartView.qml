// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Account

// The sign-in screen on the brand gradient: logo, consent line and the white "Войти" button.
Item {
    id: screen

    required property StartVC controller

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            orientation: Gradient.Vertical
            GradientStop { position: 0.0; color: Theme.gradientStart }
            GradientStop { position: 1.0; color: Theme.gradientEnd }
        }
    }

    Column {
        id: container
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -60
        spacing: 14

        Image {
            id: logo
            anchors.horizontalCenter: parent.horizontalCenter
            width: 96
            height: 96
            sourceSize.width: 192
            sourceSize.height: 192
            source: "image://symbol/Logo?color=" + encodeURIComponent("white")

            TapHandler { onTapped: screen.controller.logoTapped() }
            Accessible.role: Accessible.Graphic
            Accessible.name: qsTr("Логотип")
        }
        Text {
            textFormat: Text.PlainText
            anchors.horizontalCenter: parent.horizontalCenter
            text: "zirel"
            color: "white"
            font: Theme.display
        }
    }

    Column {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        anchors.margins: 32
        anchors.bottomMargin: 48
        spacing: 20

        Text {
            id: consent
            width: Math.min(parent.width, 420)
            anchors.horizontalCenter: parent.horizontalCenter
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            textFormat: Text.StyledText
            color: "white"
            linkColor: "white"
            font: Theme.caption
            text: screen.controller.consentLead + "<a href=\"terms\"><b>" + screen.controller.consentLink
                  + "</b></a>" + screen.controller.consentTail
            onLinkActivated: screen.controller.interactiveLabelTapped()
            Accessible.role: Accessible.Link
            Accessible.name: screen.controller.consentLink
            Accessible.onPressAction: screen.controller.interactiveLabelTapped()

            HoverHandler { cursorShape: consent.hoveredLink ? Qt.PointingHandCursor : Qt.ArrowCursor }
        }

        Pressable {
            id: loginButton
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(parent.width, 320)
            height: 52
            focusRadius: 14
            enabled: !screen.controller.busy
            Accessible.name: screen.controller.loginTitle
            onClicked: screen.controller.loginButtonTapped()

            scale: down ? 0.96 : 1.0
            Behavior on scale { NumberAnimation { duration: loginButton.down ? 200 : 100 } }

            Rectangle {
                anchors.fill: parent
                radius: 14
                color: "white"
                opacity: loginButton.down ? 0.85 : 1
            }
            Item {
                anchors.fill: parent
                Row {
                    anchors.centerIn: parent
                    spacing: 10
                    visible: !screen.controller.busy
                    Image {
                        anchors.verticalCenter: parent.verticalCenter
                        width: 22
                        height: 22
                        sourceSize.width: 44
                        sourceSize.height: 44
                        source: "image://symbol/key.icloud.fill?color=" + encodeURIComponent(Theme.accent) + "&bold=1"
                    }
                    Text {
                        textFormat: Text.PlainText
                        anchors.verticalCenter: parent.verticalCenter
                        text: screen.controller.loginTitle
                        color: Theme.accent
                        font: Theme.button
                    }
                }
                ActivitySpinner {
                    anchors.centerIn: parent
                    height: parent.height * 0.7
                    width: height
                    running: screen.controller.busy
                }
            }
        }
    }
}
