// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Feed

// The feed's message states: a title, the explanation and the button that resolves them.
Column {
    id: view

    required property MainVC controller

    spacing: 16

    Text {
        textFormat: Text.PlainText
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: view.controller.titleText
        color: Theme.primaryText
        font: Theme.title
    }
    Text {
        textFormat: Text.PlainText
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: view.controller.messageText
        color: Theme.grey
        font: Theme.body
    }
    Item { width: 1; height: 8 }
    GradientButton {
        anchors.horizontalCenter: parent.horizontalCenter
        width: 240
        height: 50
        text: view.controller.settingsButtonTitle
        font: Theme.button
        onClicked: view.controller.settingsButtonTapped()
    }
}
