// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Cards

// One round action button on its white plate: shrinks while held, grey when disabled.
Pressable {
    id: root

    required property ButtonContainer container
    readonly property CardButton button: container.button

    focusRadius: width / 2
    enabled: button.enabled
    Accessible.name: button.accessibleName
    onPressed: button.touchDown()
    onClicked: button.click()
    onCanceled: button.touchUp(false)

    scale: button.targetScale
    // The duration follows where the scale is going: read from the button's own state it could
    // still be the press's while the release already moves the scale back.
    Behavior on scale {
        id: scaling
        NumberAnimation {
            duration: root.button.durationToScale(scaling.targetValue)
            easing.type: Easing.OutQuad
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: Theme.raisedSurface
        border.width: 1
        border.color: Theme.raisedBorder
    }
    Image {
        anchors.centerIn: parent
        width: parent.width * 0.45
        height: width
        // Twice the laid-out side keeps the symbol sharp on HiDPI screens. The size comes
        // from the layout, not from sourceSize, which reports the loaded image's size and
        // would make the source depend on itself.
        readonly property int side: Math.round(width * 2)
        sourceSize.width: side
        sourceSize.height: side
        // No symbol before the row has laid the button out: each size the image passes
        // through on the way is drawn from the SVG again.
        source: side > 0
                ? "image://symbol/" + root.button.symbol + "?color="
                  + encodeURIComponent(root.button.tintColor) + "&bold=1"
                : ""
    }
}
