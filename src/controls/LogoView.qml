// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// The header logo: the tinted mark and "zirel" beside it, 27 points high.
Item {
    implicitHeight: 27
    implicitWidth: mark.width + 4 + label.implicitWidth

    Image {
        id: mark
        width: 16
        height: 16
        x: 0
        y: (parent.height - height) / 2 - 2
        sourceSize.width: 32
        sourceSize.height: 32
        source: "image://symbol/Logo?color=" + encodeURIComponent(Theme.accent)
    }
    Text {
        textFormat: Text.PlainText
        id: label
        anchors.left: mark.right
        anchors.leftMargin: 4
        anchors.right: parent.right
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        text: "zirel"
        color: Theme.accent
        font: Theme.wordmark
    }
}
