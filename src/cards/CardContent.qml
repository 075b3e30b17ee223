// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Cards

// The drawing of a profile card: photo, page bars, gradient, name line, info line, info
// button and the spinner shown while the photos download.
Item {
    id: root

    required property CardView card
    readonly property real cornerRadius: 10
    readonly property real margin: 16

    // The photo comes with the black backing and the shade. Without one the backing stands in
    // alone: a shade towards black over black would leave every pixel as it is.
    Rectangle {
        anchors.fill: parent
        radius: root.cornerRadius
        color: "black"
        visible: !photo.showing
    }

    CardPhotoView {
        id: photo
        scaler: root.card.photoScaler
        anchors.fill: parent
        radius: root.cornerRadius
        shaded: true
        card: root.card
    }

    PageBars {
        id: pageBars
        x: 8
        y: 8
        width: root.width - 16
        count: root.card.pageCount
        current: root.card.currentIndex
    }

    Column {
        id: textBlock
        anchors.left: parent.left
        anchors.right: infoButton.left
        anchors.bottom: parent.bottom
        anchors.leftMargin: root.margin
        anchors.rightMargin: 8
        anchors.bottomMargin: root.margin
        spacing: 6

        Row {
            id: nameRow
            width: parent.width
            spacing: 8
            // A long name gives way, so the age and the checkmark stay on the card.
            Text {
                textFormat: Text.PlainText
                width: Math.min(implicitWidth, nameRow.width - age.width - nameRow.spacing
                                - (checkmark.visible ? checkmark.width + nameRow.spacing : 0))
                text: root.card.name
                elide: Text.ElideRight
                color: "white"
                font: Theme.title
            }
            Text {
                textFormat: Text.PlainText
                id: age
                text: root.card.age
                color: "white"
                font: Theme.titleAside
            }
            Rectangle {
                id: checkmark
                anchors.verticalCenter: parent.verticalCenter
                visible: root.card.hasCheckmark
                width: 22
                height: 22
                radius: 11
                color: Theme.accent
                Accessible.name: qsTr("Профиль подтверждён")
                Image {
                    anchors.centerIn: parent
                    // A hidden image would still draw its symbol.
                    source: checkmark.visible ? "image://symbol/checkmark?color=white&bold=1" : ""
                    sourceSize.width: 14
                    sourceSize.height: 14
                }
            }
        }

        Row {
            width: parent.width
            spacing: 6
            visible: root.card.infoText.length > 0
            Image {
                id: infoIcon
                y: 2
                visible: root.card.infoIcon.length > 0
                source: visible ? "image://symbol/" + root.card.infoIcon + "?color=white" : ""
                sourceSize.width: 16
                sourceSize.height: 16
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width - infoIcon.width - parent.spacing
                text: root.card.infoText
                color: "white"
                font: Theme.body
                wrapMode: Text.WordWrap
                maximumLineCount: 3
                elide: Text.ElideRight
            }
        }
    }

    // Taps at or below the name open the profile; the card needs to know where that starts.
    Binding {
        target: root.card
        property: "textAreaTop"
        value: textBlock.y
    }

    Pressable {
        id: infoButton
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: root.margin
        width: 32
        height: 32
        focusRadius: 16
        Accessible.name: qsTr("Открыть профиль")
        onClicked: root.card.infoButtonTap()
        background: Rectangle {
            radius: 16
            color: Theme.pageBar
            border.width: 0.5
            border.color: Qt.rgba(1, 1, 1, 0.5)
        }
        Image {
            anchors.centerIn: parent
            source: "image://symbol/arrowshape.up.fill?color=white"
            sourceSize.width: 15
            sourceSize.height: 15
        }
    }

    // Made only while photos download: a running spinner would redraw the card every frame.
    Loader {
        anchors.centerIn: parent
        active: root.card.isLoading
        sourceComponent: ActivitySpinner { color: "white" }
    }
}
