// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Controls
import Zirel.Ui
import Zirel.Settings

// "Показывать меня": three choices, one always selected, and the button that goes on.
Item {
    id: screen

    required property GenderSelectionVC controller
    // The keyboard starts on the current choice, so Tab and Space work inside the screen.
    readonly property Item firstControl: choices.count === 0 ? null
        : choices.itemAt(screen.controller.selectedIndex)

    KeyboardPage {
        id: page
        anchors.fill: parent
        step: screen.controller
        showsRule: true

        Text {
            textFormat: Text.PlainText
            width: page.columnWidth
            wrapMode: Text.Wrap
            text: qsTr("Показывать меня")
            color: Theme.primaryText
            font: Theme.largeTitle
        }
        Item { width: 1; height: 30 }
        Column {
            spacing: 20
            Repeater {
                id: choices
                model: screen.controller?.choices ?? []
                SelectionButton {
                    required property string modelData
                    required property int index
                    width: page.columnWidth
                    text: modelData
                    selected: screen.controller?.selectedIndex === index
                    onClicked: screen.controller.choose(index)
                }
            }
        }
    }
}
