// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls

// A photo from the image cache cut to a circle. The software renderer has no masks, so a ring in the background
// colour covers the corners of the square image.
Item {
    id: avatar

    property string source
    property color backdrop: Theme.background
    // Milliseconds before a photo that did not come is asked for again.
    property alias retryDelay: loader.retryDelay

    clip: false

    AvatarSource {
        id: loader
        source: avatar.source
    }

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: Theme.grey
        opacity: 0.25
    }
    Image {
        anchors.fill: parent
        source: loader.url
        sourceSize.width: avatar.width * 2
        sourceSize.height: avatar.height * 2
        fillMode: Image.PreserveAspectCrop
        asynchronous: true
        visible: status === Image.Ready
        onStatusChanged: {
            if (status === Image.Error)
                loader.failed()
        }
    }
    Rectangle {
        readonly property real ring: avatar.width * 0.22
        anchors.centerIn: parent
        width: avatar.width + 2 * ring
        height: width
        radius: width / 2
        color: "transparent"
        border.width: ring
        border.color: avatar.backdrop
    }
}
