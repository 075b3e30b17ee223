// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Ui
import Zirel.Onboarding

// The text-about-oneself step: the text over a thin rule and the count of characters left.
// "Пропустить" sits in the navigation bar.
Item {
    id: screen

    required property BioInputVC controller
    readonly property Item firstControl: bioTextView

    KeyboardPage {
        id: page
        anchors.fill: parent
        step: screen.controller

        Text {
            textFormat: Text.PlainText
            width: page.columnWidth
            wrapMode: Text.Wrap
            text: qsTr("Расскажи о себе")
            color: Theme.primaryText
            font: Theme.title
        }
        Item { width: 1; height: 30 }
        TextEdit {
            id: bioTextView
            width: page.columnWidth
            textFormat: TextEdit.PlainText
            wrapMode: TextEdit.Wrap
            readOnly: screen.controller?.busy ?? true
            activeFocusOnTab: true
            selectByMouse: true
            color: Theme.primaryText
            selectionColor: Theme.accent
            selectedTextColor: "white"
            font: Theme.field
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTr("Расскажи о себе")
            text: screen.controller?.text ?? ""
            onTextChanged: {
                if (!screen.controller || screen.controller.proposeText(text))
                    return
                const cursor = cursorPosition - (text.length - screen.controller.text.length)
                text = screen.controller.text
                cursorPosition = Math.max(0, Math.min(cursor, text.length))
            }
            onCursorRectangleChanged: if (activeFocus) page.reveal(bioTextView, cursorRectangle)
            // Return starts a new line here; Ctrl+Return goes on, as in desktop message fields.
            Keys.onPressed: (event) => {
                if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                        && (event.modifiers & Qt.ControlModifier)) {
                    screen.controller.nextButtonTapped()
                    event.accepted = true
                }
            }
            // Tab leaves the text for the next control, as in every other form.
            Keys.onTabPressed: nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)
            Keys.onBacktabPressed: nextItemInFocusChain(false).forceActiveFocus(Qt.BacktabFocusReason)
        }
        Item { width: 1; height: 7 }
        Rectangle {
            width: page.columnWidth
            height: 1
            color: bioTextView.activeFocus ? Theme.accent : Theme.grey
        }
        Item { width: 1; height: 10 }
        Text {
            textFormat: Text.PlainText
            width: page.columnWidth
            horizontalAlignment: Text.AlignRight
            text: screen.controller?.countText ?? ""
            color: Theme.grey
            font: Theme.caption
        }
    }
}
