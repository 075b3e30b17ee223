pragma ComponentBehavior: Bound
import QtQuick
import Zirel

// The birthday step: eight one-digit fields, Д Д / М М / Г Г Г Г, and the note that only the
// age is shown.
Item {
    id: screen

    required property BirthdayInputVC controller

    readonly property list<string> placeholders: [
        qsTr("Д"), qsTr("Д"), qsTr("М"), qsTr("М"), qsTr("Г"), qsTr("Г"), qsTr("Г"), qsTr("Г")
    ]
    // The eight fields in order, as they are created.
    property var digitFields: []

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
            font.family: "Inter"
            font.pixelSize: 32
            font.bold: true
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
                model: 8

                Row {
                    id: cell
                    required property int index
                    spacing: stack.spacing

                    UnderlinedTextField {
                        id: digit
                        width: stack.fieldWidth
                        horizontalAlignment: TextInput.AlignHCenter
                        inputMethodHints: Qt.ImhDigitsOnly
                        placeholderText: screen.placeholders[cell.index]
                        Accessible.name: qsTr("Цифра %1 из 8").arg(cell.index + 1)
                        text: screen.controller?.digits[cell.index] ?? ""
                        // A digit typed into a filled field replaces it.
                        onActiveFocusChanged: if (activeFocus) selectAll()
                        onTextEdited: {
                            if (!screen.controller.proposeDigit(cell.index, digit.text))
                                digit.keep(screen.controller.digits[cell.index])
                        }
                        onBackspaceInEmptyField: screen.controller.deletePressedInEmptyField(cell.index)
                        Component.onCompleted: {
                            const all = screen.digitFields
                            all[cell.index] = digit
                            screen.digitFields = all
                        }
                    }
                    Text {
                        textFormat: Text.PlainText
                        visible: cell.index === 1 || cell.index === 3
                        width: stack.slashWidth
                        height: digit.height
                        verticalAlignment: Text.AlignVCenter
                        horizontalAlignment: Text.AlignHCenter
                        text: "/"
                        color: Theme.grey
                        font.family: "Inter"
                        font.pixelSize: 18
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
            font.family: "Inter"
            font.pixelSize: 18
        }
    }

    Connections {
        target: screen.controller
        function onFocusRequested(index) {
            screen.digitFields[index].forceActiveFocus()
        }
    }

    // Each field's neighbours, for the arrow keys; known once every field exists.
    Component.onCompleted: {
        const all = screen.digitFields
        for (let i = 0; i < all.length; ++i) {
            all[i].previousField = i > 0 ? all[i - 1] : null
            all[i].nextField = i + 1 < all.length ? all[i + 1] : null
        }
    }

    Timer {
        interval: 100
        running: true
        onTriggered: {
            const all = screen.digitFields
            const empty = all.findIndex(field => field.text === "")
            all[empty < 0 ? all.length - 1 : empty].forceActiveFocus()
        }
    }
}
