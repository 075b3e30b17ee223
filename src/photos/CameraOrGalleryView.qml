// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Dialogs
import Zirel.Controls
import Zirel.Photos

// The two sources as rows, then the dashed drop target that also opens the file dialog.
Rectangle {
    id: screen

    required property CameraOrGalleryVC controller

    color: Theme.background

    FileDialog {
        id: fileDialog
        title: qsTr("Выбери фото")
        currentFolder: screen.controller.dialogFolder
        // Cameras name their files in capitals (IMG_0001.JPG), and the dialogs match the case.
        nameFilters: [qsTr("Изображения") + " (*.jpg *.jpeg *.png *.webp *.heic *.heif "
                      + "*.JPG *.JPEG *.PNG *.WEBP *.HEIC *.HEIF)"]
        onAccepted: screen.controller.filesChosen([selectedFile])
        onVisibleChanged: if (visible) screen.controller.fileDialogShown(screen)
    }

    // A picked picture is decoded off the main thread; a camera's photo takes a second or more.
    ActivitySpinner {
        anchors.centerIn: parent
        z: 1
        width: 48
        height: 48
        running: screen.controller.reading
    }

    DropArea {
        id: drop
        anchors.fill: parent
        keys: ["text/uri-list"]
        onDropped: (event) => {
            event.acceptProposedAction()
            screen.controller.filesChosen(event.urls)
        }
    }

    Column {
        anchors { left: parent.left; right: parent.right; top: parent.top; topMargin: 10 }
        enabled: !screen.controller.reading
        opacity: enabled ? 1 : 0.4

        Repeater {
            model: [
                { title: qsTr("Камера"), symbol: "camera", camera: true },
                { title: qsTr("Галерея"), symbol: "photo", camera: false }
            ]
            Pressable {
                id: row
                required property var modelData
                width: parent.width
                height: 60
                text: modelData.title
                onClicked: modelData.camera ? screen.controller.cameraTapped() : fileDialog.open()
                contentItem: Item {
                    Row {
                        anchors { left: parent.left; leftMargin: 20; verticalCenter: parent.verticalCenter }
                        spacing: 16
                        Image {
                            width: 26
                            height: 26
                            sourceSize.width: 52
                            sourceSize.height: 52
                            source: "image://symbol/" + row.modelData.symbol + "?color=" + encodeURIComponent(Theme.accent)
                        }
                        Text {
                            textFormat: Text.PlainText
                            height: 26
                            verticalAlignment: Text.AlignVCenter
                            text: row.text
                            color: Theme.primaryText
                            font: Theme.row
                        }
                    }
                    Rectangle {
                        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; leftMargin: 20 }
                        height: 1
                        color: Theme.grey
                        opacity: 0.3
                    }
                }
            }
        }

        Item { width: 1; height: 40 }

        Pressable {
            id: dropTarget
            anchors.horizontalCenter: parent.horizontalCenter
            width: 200
            height: 200
            text: qsTr("Перетащи сюда")
            onClicked: fileDialog.open()
            contentItem: Image {
                sourceSize.width: 400
                sourceSize.height: 400
                source: "image://symbol/plus.square.dashed?color="
                        + encodeURIComponent(drop.containsDrag ? "#34C759" : Theme.accent)
            }
        }
        Text {
            textFormat: Text.PlainText
            anchors.horizontalCenter: parent.horizontalCenter
            text: dropTarget.text
            color: Theme.grey
            font: Theme.row
        }
    }
}
