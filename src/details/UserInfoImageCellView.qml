// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Details
import Zirel.Cards

// The photo row: the photo shown cropped to the row, its page bars, the spinner while the
// photos download and the placeholder when none arrived. A click on either half pages.
Item {
    id: root

    required property UserInfoImageCell cell

    height: Math.round(width * 1.25)

    // The keyboard pages with the arrows while it is on the photo; elsewhere on the screen they
    // pass and like.
    activeFocusOnTab: root.cell.count > 1
    Accessible.role: root.cell.count > 1 ? Accessible.Slider : Accessible.Graphic
    Accessible.name: qsTr("Фото %1 из %2").arg(root.cell.currentIndex + 1).arg(root.cell.count)
    Keys.onShortcutOverride: (event) => {
        event.accepted = event.key === Qt.Key_Left || event.key === Qt.Key_Right
    }
    Keys.onLeftPressed: root.cell.step(-1)
    Keys.onRightPressed: root.cell.step(1)

    Rectangle {
        id: frame
        anchors.fill: parent
        radius: 12
        color: "black"
        clip: true

        // Fills the row whatever the photo's proportions, cropped and rounded like the frame.
        CardPhotoView {
            scaler: root.cell.photoScaler
            anchors.fill: parent
            radius: frame.radius
            photo: root.cell.image
        }

        Image {
            anchors.fill: parent
            visible: root.cell.showsPlaceholder
            source: visible ? "image://symbol/placeholder" : ""
            sourceSize.width: 500
            sourceSize.height: 625
            fillMode: Image.PreserveAspectCrop
        }
    }

    PageBars {
        x: 8
        y: 8
        width: root.width - 16
        count: root.cell.count
        current: root.cell.currentIndex
    }

    ActivitySpinner {
        anchors.centerIn: parent
        running: root.cell.isLoading
        color: "white"
    }

    FocusRing {
        shown: root.activeFocus
        controlRadius: 12
    }

    TapHandler {
        onTapped: (eventPoint) => root.cell.tap(eventPoint.position.x, root.width)
    }
}
