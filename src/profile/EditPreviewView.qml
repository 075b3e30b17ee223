pragma ComponentBehavior: Bound
import QtQuick
import Zirel

// The profile editor: the strip with "Отмена", the switch between editing and the preview,
// and "Готово" (a spinner while saving), over the list or the preview.
Rectangle {
    id: editor

    required property EditPreviewVC controller

    color: Theme.background

    // Ctrl+S saves as "Готово" does, while nothing covers the editor.
    Shortcut {
        sequence: "Ctrl+S"
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
                font.family: "Inter"
                font.pixelSize: 16
            }
        }

        Row {
            anchors.centerIn: parent
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
                        font.family: "Inter"
                        font.pixelSize: 16
                        font.bold: modeButton.active
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
                font.family: "Inter"
                font.pixelSize: 16
                font.bold: true
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
            anchors.fill: parent
            controller: editor.controller.editVC
            visible: !editor.controller.previewing
        }
        ScreenHost {
            anchors.fill: parent
            controller: editor.controller.previewVC
            shown: editor.controller.previewing
            visible: shown
        }
    }
}
