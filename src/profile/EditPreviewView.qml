// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Controls
import Zirel.Ui
import Zirel.Profile

// The profile editor: the strip with "Отмена", the switch between editing and the preview,
// and "Готово" (a spinner while saving), over the list or the preview.
Rectangle {
    id: editor

    required property EditPreviewVC controller
    // A dialog on a wide window has room for the list and the preview beside it.
    readonly property bool sideBySide: WindowWidth.wide && editor.width >= 900
    readonly property int previewWidth: 440

    color: Theme.background

    Binding {
        target: editor.controller
        property: "sideBySide"
        value: editor.sideBySide
    }

    // Ctrl+S saves as "Готово" does, while nothing covers the editor.
    Shortcut {
        sequences: KeyTable.sequences(KeyTable.Save)
        enabled: editor.controller.ownPresented === null
        onActivated: editor.controller.doneTapped()
    }

    Item {
        id: strip
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 56

        Pressable {
            id: cancelButton
            anchors { left: parent.left; leftMargin: 12; verticalCenter: parent.verticalCenter }
            leftPadding: 8
            rightPadding: 8
            implicitWidth: implicitContentWidth + leftPadding + rightPadding
            height: 36
            text: qsTr("Отмена")
            onClicked: editor.controller.cancelTapped()
            contentItem: Text {
                textFormat: Text.PlainText
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: cancelButton.text
                color: Theme.primaryText
                font: Theme.body
            }
        }

        Row {
            anchors.centerIn: parent
            visible: !editor.sideBySide
            spacing: 8
            Repeater {
                model: [qsTr("Изменить"), qsTr("Предпросмотр")]
                Pressable {
                    id: modeButton
                    required property string modelData
                    required property int index
                    readonly property bool active: (modeButton.index === 1) === editor.controller.previewing
                    leftPadding: 12
                    rightPadding: 12
                    implicitWidth: implicitContentWidth + leftPadding + rightPadding
                    height: 36
                    text: modeButton.modelData
                    Accessible.role: Accessible.PageTab
                    onClicked: modeButton.index === 1 ? editor.controller.previewTapped()
                                                      : editor.controller.editTapped()
                    contentItem: Text {
                        textFormat: Text.PlainText
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        text: modeButton.text
                        color: modeButton.active ? Theme.accent : Theme.grey
                        font: modeButton.active ? Theme.bodyStrong : Theme.body
                    }
                    Rectangle {
                        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
                        height: 2
                        visible: modeButton.active
                        color: Theme.accent
                    }
                }
            }
        }

        Pressable {
            id: doneButton
            anchors { right: parent.right; rightMargin: 12; verticalCenter: parent.verticalCenter }
            leftPadding: 8
            rightPadding: 8
            implicitWidth: implicitContentWidth + leftPadding + rightPadding
            height: 36
            visible: !editor.controller.saving
            text: qsTr("Готово")
            onClicked: editor.controller.doneTapped()
            contentItem: Text {
                textFormat: Text.PlainText
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: doneButton.text
                color: Theme.accent
                font: Theme.bodyStrong
            }
        }
        ActivitySpinner {
            anchors.centerIn: doneButton
            width: 24
            height: 24
            visible: editor.controller.saving
            running: visible
        }
    }

    Rectangle {
        id: separator
        anchors { left: parent.left; right: parent.right }
        y: Math.round(strip.height)
        height: 1
        color: Theme.grey
        opacity: 0.3
    }

    Item {
        anchors { left: parent.left; right: parent.right; top: separator.bottom; bottom: parent.bottom }
        ScreenHost {
            anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
            width: editor.sideBySide ? parent.width - editor.previewWidth - 1 : parent.width
            controller: editor.controller.editVC
            visible: editor.sideBySide || !editor.controller.previewing
        }
        Rectangle {
            visible: editor.sideBySide
            anchors { right: preview.left; top: parent.top; bottom: parent.bottom }
            width: 1
            color: Theme.grey
            opacity: 0.3
        }
        ScreenHost {
            id: preview
            anchors { right: parent.right; top: parent.top; bottom: parent.bottom }
            width: editor.sideBySide ? editor.previewWidth : parent.width
            controller: editor.controller.previewVC
            shown: editor.sideBySide || editor.controller.previewing
            visible: shown
        }
    }
}
