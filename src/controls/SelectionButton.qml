// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// One choice of a single-choice list: the accent border and the primary title when selected,
// a light grey border and a muted title when not. It can carry a small question button at its
// trailing end.
Pressable {
    id: root

    property bool selected: false
    property bool showsQuestionButton: false

    signal questionButtonTapped()

    implicitHeight: 50
    takesReturn: false
    focusRadius: 10
    Accessible.checkable: true
    Accessible.checked: selected

    background: Rectangle {
        radius: root.focusRadius
        color: Theme.background
        border.width: 2
        border.color: root.selected ? Theme.accent : Theme.outline
    }

    contentItem: Text {
        textFormat: Text.PlainText
        text: root.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        color: root.selected ? Theme.primaryText : Theme.grey
        font: Theme.button
    }

    Pressable {
        id: question
        visible: root.showsQuestionButton
        anchors { right: parent.right; rightMargin: 16; verticalCenter: parent.verticalCenter }
        width: 24
        height: 24
        focusRadius: 12
        Accessible.name: qsTr("Подробнее")
        onClicked: root.questionButtonTapped()
        contentItem: Image {
            sourceSize.width: 48
            sourceSize.height: 48
            source: "image://symbol/exclamationmark.circle?color=" + encodeURIComponent(Theme.grey)
        }
    }
}
