// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import QtQuick.Templates as T
import Zirel.Controls

// An on/off switch: the accent colour when on. Space flips it; the keyboard frame shows where
// the keyboard is. Like the buttons, a click does not take the keyboard.
T.Switch {
    id: control

    implicitWidth: 51
    implicitHeight: 31
    focusPolicy: Qt.TabFocus

    indicator: Rectangle {
        width: control.width
        height: control.height
        radius: height / 2
        color: control.checked ? Theme.accent : Theme.switchTrack
        Behavior on color { ColorAnimation { duration: 150 } }

        Rectangle {
            width: parent.height - 4
            height: width
            radius: width / 2
            y: 2
            x: control.checked ? parent.width - width - 2 : 2
            color: "white"
            Behavior on x { NumberAnimation { duration: 150; easing.type: Easing.OutCubic } }
        }
    }

    FocusRing {
        shown: control.visualFocus
        controlRadius: control.height / 2
    }
}
