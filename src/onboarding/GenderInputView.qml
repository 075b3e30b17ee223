// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Ui
import Zirel.Onboarding

// The own-gender step: two choices and "Далее", which waits for one of them.
Item {
    id: screen

    required property GenderInputVC controller
    readonly property Item firstControl: womanButton

    KeyboardPage {
        id: page
        anchors.fill: parent
        step: screen.controller
        showsRule: true

        Text {
            textFormat: Text.PlainText
            width: page.columnWidth
            wrapMode: Text.Wrap
            text: qsTr("Выбери пол")
            color: Theme.primaryText
            font: Theme.largeTitle
        }
        Item { width: 1; height: 30 }
        SelectionButton {
            id: womanButton
            width: page.columnWidth
            text: qsTr("Женщина")
            selected: screen.controller?.womanChosen ?? false
            onClicked: screen.controller.womanButtonTapped()
        }
        Item { width: 1; height: 20 }
        SelectionButton {
            width: page.columnWidth
            text: qsTr("Мужчина")
            selected: screen.controller?.manChosen ?? false
            onClicked: screen.controller.manButtonTapped()
        }
    }
}
