// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// The frame around whatever the keyboard is on, a little outside its shape so it never hides
// the control's own edge, in a colour no selection uses. Place it as a child of the control and
// bind `shown` to the control's keyboard focus; it is drawn only while the keyboard is in use. A control the keyboard reaches inside a scrolled list is scrolled
// into view, or Tab would wander off screen.
Rectangle {
    id: ring

    property bool shown: false
    // The control's own corner radius; the frame follows it at its distance.
    property real controlRadius: 8
    readonly property real gap: 3

    anchors.fill: parent
    anchors.margins: -gap
    z: 1
    visible: shown && KeyboardUse.inUse
    radius: controlRadius + gap
    color: "transparent"
    border.width: 2
    border.color: Theme.focusRing

    onShownChanged: if (shown) reveal()

    function reveal() {
        const control = ring.parent
        for (let up = control ? control.parent : null; up; up = up.parent) {
            if (!(up instanceof Flickable))
                continue
            const top = control.mapToItem(up.contentItem, 0, 0).y - ring.gap
            const bottom = top + control.height + 2 * ring.gap
            let y = up.contentY
            if (bottom > y + up.height)
                y = bottom - up.height
            if (top < y)
                y = top
            up.contentY = Math.max(up.originY, Math.min(y, up.originY + up.contentHeight - up.height))
            return
        }
    }
}
