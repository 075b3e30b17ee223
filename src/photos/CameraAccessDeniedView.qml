// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Photos

// The explanation and the one button that leads to the camera permission.
Rectangle {
    id: screen

    required property CameraAccessDeniedVC controller

    color: Theme.background

    Column {
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 30 }
        spacing: 15

        Text {
            textFormat: Text.PlainText
            width: parent.width
            wrapMode: Text.Wrap
            text: qsTr("Предоставить доступ")
            color: Theme.primaryText
            font: Theme.largeTitle
        }
        Text {
            textFormat: Text.PlainText
            width: parent.width
            wrapMode: Text.Wrap
            text: qsTr("Чтобы загружать фото с камеры, зайди в настройки и предоставь доступ к камере")
            color: Theme.primaryText
            font: Theme.lead
        }
    }

    GradientButton {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 30 }
        height: 50
        text: qsTr("Перейти в настройки")
        onClicked: screen.controller.settingsButtonTapped()
    }
}
