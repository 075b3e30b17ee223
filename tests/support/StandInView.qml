// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

Rectangle {
    id: standIn
    required property QtObject controller
    color: Theme.background
    Accessible.name: standIn.controller.typeName

    Text {
        textFormat: Text.PlainText
        anchors.centerIn: parent
        text: standIn.controller.typeName
        color: Theme.grey
        font: Theme.lead
    }
}
