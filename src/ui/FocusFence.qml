// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick

// Keeps Tab and Shift+Tab among the controls of one layer (an alert, a sheet): what lies
// underneath is out of reach for the mouse, so the keyboard must not wander there either. Only
// the front layer's fence may be active; two would make Tab ambiguous and it would do nothing.
Item {
    id: fence

    // The item holding the layer's controls.
    property Item fenced: null
    property bool active: false

    Shortcut {
        sequence: "Tab"
        enabled: fence.active
        onActivated: fence.move(true)
    }
    Shortcut {
        sequences: ["Backtab", "Shift+Tab"]
        enabled: fence.active
        onActivated: fence.move(false)
    }

    function inside(item) {
        for (let up = item; up; up = up.parent) {
            if (up === fence.fenced)
                return true
        }
        return false
    }

    function move(forward) {
        const focused = fence.Window.activeFocusItem
        const start = focused && fence.inside(focused) ? focused : fence.fenced
        let item = start
        // The focus chain runs through the whole window; walk it until it comes back into the
        // layer, or round to where it began.
        for (let step = 0; step < 2000; ++step) {
            item = item.nextItemInFocusChain(forward)
            if (!item || item === start)
                return
            if (fence.inside(item)) {
                item.forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason)
                return
            }
        }
    }
}
