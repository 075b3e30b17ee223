// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Profile

// The text about oneself over a thin rule, with the count of characters left. An edit the
// row refuses (a doubled space or line break, or past the limit) does not show.
Item {
    id: cell

    required property EditVC controller
    // What the row holds: the last text it accepted.
    required property string text
    // The editor opens with the keyboard in the text about oneself.
    readonly property Item firstControl: bioTextView

    implicitHeight: bioTextView.height + 7 + 1 + 8 + counter.implicitHeight

    TextEdit {
        id: bioTextView
        width: parent.width
        textFormat: TextEdit.PlainText
        wrapMode: TextEdit.Wrap
        readOnly: cell.controller.frozen
        activeFocusOnTab: true
        selectByMouse: true
        color: Theme.primaryText
        selectionColor: Theme.accent
        selectedTextColor: "white"
        font: Theme.row
        Accessible.role: Accessible.EditableText
        Accessible.name: qsTr("Обо мне")
        Component.onCompleted: text = cell.text
        onTextChanged: {
            if (cell.controller.proposeBio(text))
                return
            const kept = cell.text
            const cursor = cursorPosition - (text.length - kept.length)
            text = kept
            cursorPosition = Math.max(0, Math.min(cursor, text.length))
        }
        // Tab leaves the text for the next row, as in every other form.
        Keys.onTabPressed: nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)
        Keys.onBacktabPressed: nextItemInFocusChain(false).forceActiveFocus(Qt.BacktabFocusReason)
    }
    Rectangle {
        id: rule
        anchors { left: parent.left; right: parent.right; top: bioTextView.bottom; topMargin: 7 }
        height: 1
        color: bioTextView.activeFocus ? Theme.accent : Theme.grey
    }
    Text {
        id: counter
        textFormat: Text.PlainText
        anchors { right: parent.right; top: rule.bottom; topMargin: 8 }
        text: cell.controller.countText
        color: Theme.grey
        font: Theme.caption
    }
}
