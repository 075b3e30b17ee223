// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// A text button of the navigation bar.
Pressable {
    id: button

    padding: 8
    contentItem: Text {
        textFormat: Text.PlainText
        text: button.text
        color: Theme.primaryText
        opacity: button.enabled ? 1 : 0.4
        font: Theme.headline
    }
}
