// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Ui
import Zirel.Controls

// Covers the whole window for good: the service's message and, unless hidden, "Обновить".
Rectangle {
    id: alert

    required property AlertBlockVC controller

    color: Theme.background

    MouseArea { anchors.fill: parent }

    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width - 64, 420)
        spacing: 28

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 72
            height: 72
            sourceSize.width: 144
            sourceSize.height: 144
            source: "image://symbol/Logo?color=" + encodeURIComponent(Theme.accent)
        }
        Text {
            textFormat: Text.PlainText
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: alert.controller.message
            color: Theme.primaryText
            font: Theme.body
        }
        GradientButton {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: !alert.controller.hideButton
            text: alert.controller.actionTitle
            onClicked: alert.controller.actionButtonTapped()
        }
    }
}
