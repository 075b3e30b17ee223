// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import ZirelDemo
import Zirel.Cardstack

// The developer screen of the card stack: the stack, the buttons below it and the last report.
Rectangle {
    id: root

    required property CardStackDemoVC controller
    color: Theme.background

    component DemoButton: Rectangle {
        id: button
        property string symbol
        property color tint
        signal tapped()
        width: 56
        height: 56
        radius: 28
        color: Theme.background
        border.width: 1
        border.color: Theme.tabItem
        Accessible.role: Accessible.Button
        Image {
            anchors.centerIn: parent
            source: "image://symbol/" + button.symbol + "?color=" + encodeURIComponent(button.tint) + "&bold=1"
            sourceSize.width: 24
            sourceSize.height: 24
        }
        MouseArea {
            anchors.fill: parent
            onClicked: button.tapped()
        }
    }

    Text {
        id: statusLine
        anchors.top: parent.top
        anchors.topMargin: 16
        anchors.horizontalCenter: parent.horizontalCenter
        text: root.controller.status
        color: Theme.grey
        font: Theme.subhead
    }

    SwipeCardStack {
        id: stack
        anchors.top: statusLine.bottom
        anchors.topMargin: 16
        anchors.bottom: buttons.top
        anchors.bottomMargin: 16
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width - 32, height * 0.66)
        Component.onCompleted: root.controller.attachStack(stack)
    }

    Row {
        id: buttons
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 24
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 24

        DemoButton {
            symbol: "arrow.uturn.backward"
            tint: Theme.grey
            Accessible.name: qsTr("Вернуть")
            onTapped: root.controller.undo()
        }
        DemoButton {
            symbol: "xmark"
            tint: "#FF3B30"
            Accessible.name: qsTr("Не хочу")
            onTapped: root.controller.pass()
        }
        DemoButton {
            symbol: "heart.fill"
            tint: "#34C759"
            Accessible.name: qsTr("Лайк")
            onTapped: root.controller.like()
        }
    }
}
