// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// The symbol and the title a row of the details starts with.
Row {
    id: root

    required property string icon
    required property string title

    spacing: 8
    Image {
        anchors.verticalCenter: parent.verticalCenter
        source: "image://symbol/" + root.icon + "?color=" + encodeURIComponent(Theme.accent)
        sourceSize.width: 20
        sourceSize.height: 20
    }
    Text {
        textFormat: Text.PlainText
        text: root.title
        color: Theme.primaryText
        font: Theme.headline
    }
}
