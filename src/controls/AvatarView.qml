import QtQuick
import Zirel

// A photo from the image cache cut to a circle. The software renderer has no masks, so a ring in the background
// colour covers the corners of the square image.
Item {
    id: avatar

    property string source
    property color backdrop: Theme.background
    // A photo that did not come (offline, the service busy) is asked for again, after this wait and then twice as
    // long each time, up to a minute; the image cache answers from memory or disk once it has it.
    property int retryDelay: 5000
    property int failures: 0

    clip: false
    onSourceChanged: {
        failures = 0
        retry.stop()
    }

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: Theme.grey
        opacity: 0.25
    }
    Image {
        id: photo
        property bool reloading: false
        anchors.fill: parent
        source: avatar.source === "" || reloading ? "" : "image://cache/" + encodeURIComponent(avatar.source)
        sourceSize.width: avatar.width * 2
        sourceSize.height: avatar.height * 2
        fillMode: Image.PreserveAspectCrop
        asynchronous: true
        visible: status === Image.Ready
        onStatusChanged: {
            if (status !== Image.Error)
                return
            avatar.failures += 1
            retry.restart()
        }
    }
    Timer {
        id: retry
        interval: Math.min(avatar.retryDelay * Math.pow(2, Math.max(0, avatar.failures - 1)), 60000)
        onTriggered: {
            photo.reloading = true
            photo.reloading = false
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
