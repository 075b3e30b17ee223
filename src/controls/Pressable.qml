// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import QtQuick.Templates as T
import Zirel.Controls

// A button without a style of its own: reachable with Tab, pressed with the mouse, Space or
// Return like any desktop button, and framed while the keyboard is on it. A click leaves the
// keyboard where it was, so typing goes on in the field the user was writing in and Return
// keeps meaning the screen's own command.
T.AbstractButton {
    id: control

    // The corner radius of the keyboard-focus frame, to follow the button's own shape.
    property real focusRadius: 8
    // Choices in a form leave Return to the form's default button, as radio buttons do; Space
    // still picks them.
    property bool takesReturn: true

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.Button
    Accessible.name: text

    // Return goes to the focused button rather than to the screen's own Return command.
    Keys.onShortcutOverride: (event) => {
        event.accepted = control.takesReturn
                         && (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
    }
    Keys.onReturnPressed: (event) => control.returnPressed(event)
    Keys.onEnterPressed: (event) => control.returnPressed(event)

    function returnPressed(event) {
        event.accepted = control.takesReturn
        if (control.takesReturn)
            control.press()
    }

    function press() {
        if (control.enabled)
            control.clicked()
    }

    FocusRing {
        shown: control.visualFocus
        controlRadius: control.focusRadius
    }
}
