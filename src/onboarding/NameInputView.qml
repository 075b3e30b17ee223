// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Ui
import Zirel.Onboarding

// The name step: the question, the field and the reminder that the name stays.
Item {
    id: screen

    required property NameInputVC controller
    readonly property Item firstControl: field

    KeyboardPage {
        id: page
        anchors.fill: parent
        step: screen.controller

        Text {
            textFormat: Text.PlainText
            width: page.columnWidth
            wrapMode: Text.Wrap
            text: qsTr("Как тебя зовут?")
            color: Theme.primaryText
            font: Theme.largeTitle
        }
        Item { width: 1; height: 30 }
        UnderlinedTextField {
            id: field
            x: 4
            width: page.columnWidth - 8
            placeholderText: qsTr("Введи имя")
            text: screen.controller?.text ?? ""
            onTextEdited: {
                screen.controller.proposeText(field.text)
                field.keep(screen.controller.text)
            }
        }
        Item { width: 1; height: 25 }
        Text {
            textFormat: Text.PlainText
            width: page.columnWidth
            wrapMode: Text.Wrap
            lineHeight: 1.15
            text: qsTr("Вот так имя будет выглядеть в\u00a0профиле.")
            color: Theme.primaryText
            font: Theme.field
        }
        Text {
            textFormat: Text.PlainText
            width: page.columnWidth
            wrapMode: Text.Wrap
            text: qsTr("Его нельзя изменить.")
            color: Theme.primaryText
            font: Theme.button
        }
    }
}
