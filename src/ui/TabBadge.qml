// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// A tab's count in an accent pill; an empty text hides it.
Rectangle {
    id: badge

    property string text

    visible: badge.text !== ""
    width: badge.visible ? Math.max(18, badgeText.implicitWidth + 8) : 0
    height: 18
    radius: 9
    color: Theme.accent
    Text {
        id: badgeText
        textFormat: Text.PlainText
        anchors.centerIn: parent
        text: badge.text
        color: "white"
        font: Theme.badge
    }
}
