// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Controls
import Zirel.Ui
import Zirel.Onboarding

// The birthday step: eight one-digit fields, Д Д / М М / Г Г Г Г in the order the locale writes
// dates, and the note that only the age is shown.
Item {
    id: screen

    required property BirthdayInputVC controller

    readonly property list<string> placeholders: [
        qsTr("Д"), qsTr("Д"), qsTr("М"), qsTr("М"), qsTr("Г"), qsTr("Г"), qsTr("Г"), qsTr("Г")
    ]
    // The eight fields by their place in "ddMMyyyy", as they are created.
    property var digitFields: []
    readonly property Item firstControl: screen.digitFields[screen.controller.openingField] ?? null

    KeyboardPage {
        id: page
        anchors.fill: parent
        step: screen.controller

        Text {
            textFormat: Text.PlainText
            width: page.columnWidth
            wrapMode: Text.Wrap
            text: qsTr("Когда твой день рождения?")
            color: Theme.primaryText
            font: Theme.largeTitle
        }
        Item { width: 1; height: 40 }
        // Ten items spread evenly over at most 500 points: the fields and, after the day and
        // the month, a slash.
        Row {
            id: stack
            x: 5
            readonly property real slashWidth: 10
            readonly property real fieldWidth: 26
            spacing: (Math.min(500, page.columnWidth - 10) - 8 * fieldWidth - 2 * slashWidth) / 9

            Repeater {
                model: screen.controller.fieldOrder

                Row {
                    id: cell
                    // Where the field is shown, and which digit of the date it holds.
                    required property int index
                    required property int modelData
                    spacing: stack.spacing

                    UnderlinedTextField {
                        id: digit
                        width: stack.fieldWidth
                        horizontalAlignment: TextInput.AlignHCenter
                        inputMethodHints: Qt.ImhDigitsOnly
                        placeholderText: screen.placeholders[cell.modelData]
                        Accessible.name: qsTr("Цифра %1 из 8").arg(cell.index + 1)
                        text: screen.controller?.digits[cell.modelData] ?? ""
                        // A digit typed into a filled field replaces it.
                        onActiveFocusChanged: if (activeFocus) selectAll()
                        onTextEdited: {
                            if (!screen.controller.proposeDigit(cell.modelData, digit.text))
                                digit.keep(screen.controller.digits[cell.modelData])
                        }
                        onBackspaceInEmptyField: screen.controller.deletePressedInEmptyField(cell.modelData)
                        Component.onCompleted: {
                            const all = screen.digitFields
                            all[cell.modelData] = digit
                            screen.digitFields = all
                        }
                    }
                    Text {
                        textFormat: Text.PlainText
                        visible: screen.controller.separatorAfter(cell.index)
                        width: stack.slashWidth
                        height: digit.height
                        verticalAlignment: Text.AlignVCenter
                        horizontalAlignment: Text.AlignHCenter
                        text: "/"
                        color: Theme.grey
                        font: Theme.field
                    }
                }
            }
        }
        Item { width: 1; height: 20 }
        Text {
            textFormat: Text.PlainText
            width: page.columnWidth
            wrapMode: Text.Wrap
            lineHeight: 1.15
            text: qsTr("В профиле отображается твой возраст, а не день рождения.")
            color: Theme.grey
            font: Theme.field
        }
    }

    Connections {
        target: screen.controller
        function onFocusRequested(index) {
            screen.digitFields[index].forceActiveFocus()
        }
    }

    // The fields left to right as shown.
    function shownFields(): list<Item> {
        const shown = []
        for (const index of screen.controller.fieldOrder)
            shown.push(screen.digitFields[index])
        return shown
    }

    // Each field's neighbours on the screen, for the arrow keys; known once every field exists.
    Component.onCompleted: {
        const shown = screen.shownFields()
        for (let i = 0; i < shown.length; ++i) {
            shown[i].previousField = i > 0 ? shown[i - 1] : null
            shown[i].nextField = i + 1 < shown.length ? shown[i + 1] : null
        }
    }
}
