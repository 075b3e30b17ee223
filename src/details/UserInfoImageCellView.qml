import QtQuick
import Zirel

// The photo row: the photo shown cropped to the row, its page bars, the spinner while the
// photos download and the placeholder when none arrived. A click on either half pages.
Item {
    id: root

    required property UserInfoImageCell cell

    height: Math.round(width * 1.25)

    Rectangle {
        id: frame
        anchors.fill: parent
        radius: 12
        color: "black"
        clip: true

        // Fills the row whatever the photo's proportions, cropped and rounded like the frame.
        CardPhotoView {
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

    TapHandler {
        onTapped: (eventPoint) => root.cell.tap(eventPoint.position.x, root.width)
    }
}
