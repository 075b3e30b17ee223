// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Ui
import Zirel.Controls

// A message over a black backdrop at 55 %; any tap dismisses it.
Rectangle {
    id: alert

    required property AlertTextVC controller

    color: Theme.scrim

    Text {
        textFormat: Text.PlainText
        anchors.centerIn: parent
        width: Math.min(parent.width - 64, 480)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: alert.controller.message
        color: "white"
        font: Theme.field
    }

    Pressable {
        anchors.fill: parent
        Accessible.name: qsTr("Закрыть")
        onClicked: alert.controller.tapped()
    }
}
