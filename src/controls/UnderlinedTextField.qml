// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// A one-line field over a grey underline that reaches a little past it on both sides. The
// arrow keys move to the neighbouring fields when there are any, and Backspace in an empty
// field is reported so a row of one-character fields can step back.
TextInput {
    id: field

    property Item previousField: null
    property Item nextField: null
    property string placeholderText

    signal backspaceInEmptyField()

    // After a refused or shortened edit: shows what the screen kept, the cursor where the
    // user's edit left it as far as that text allows.
    function keep(accepted) {
        if (field.text === accepted)
            return
        const cursor = field.cursorPosition - (field.text.length - accepted.length)
        field.text = accepted
        field.cursorPosition = Math.max(0, Math.min(cursor, field.text.length))
    }

    topPadding: 2
    bottomPadding: 2
    verticalAlignment: TextInput.AlignVCenter
    color: Theme.primaryText
    selectionColor: Theme.accent
    selectedTextColor: "white"
    selectByMouse: true
    activeFocusOnTab: true
    font: Theme.field
    Accessible.role: Accessible.EditableText
    Accessible.name: placeholderText

    Keys.onPressed: (event) => {
        if ((event.key === Qt.Key_Right || event.key === Qt.Key_Down) && field.nextField) {
            field.nextField.forceActiveFocus(Qt.TabFocusReason)
            event.accepted = true
        } else if ((event.key === Qt.Key_Left || event.key === Qt.Key_Up) && field.previousField) {
            field.previousField.forceActiveFocus(Qt.BacktabFocusReason)
            event.accepted = true
        } else if (event.key === Qt.Key_Backspace && field.text.length === 0) {
            field.backspaceInEmptyField()
            event.accepted = true
        }
    }

    Text {
        textFormat: Text.PlainText
        anchors.fill: parent
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: field.horizontalAlignment
        visible: field.text.length === 0
        text: field.placeholderText
        color: Theme.grey
        opacity: 0.7
        font: field.font
    }

    // The keyboard's position shows in the underline's colour, as a desktop focus cue.
    Rectangle {
        x: -4
        y: field.height + 3
        width: field.width + 8
        height: 2
        color: field.activeFocus ? Theme.accent : Theme.grey
        opacity: field.activeFocus ? 1 : 0.5
    }
}
