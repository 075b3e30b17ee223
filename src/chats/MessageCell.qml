import QtQuick
import Zirel

// One bubble: own messages on the right in the accent colour, the other's on the left in grey,
// with the error mark beside a message that was not sent.
Item {
    id: cell

    required property string content
    required property bool isOwn
    required property bool failed

    implicitHeight: bubble.height + 8

    Rectangle {
        id: bubble
        y: 4
        x: cell.isOwn ? cell.width - 12 - width : 12
        width: Math.min(250, label.implicitWidth + 24)
        height: label.height + 16
        radius: 16
        color: cell.isOwn ? Theme.accent : Qt.rgba(0.9, 0.9, 0.9, 1)

        Text {
            textFormat: Text.PlainText
            id: label
            x: 12
            y: 8
            width: Math.min(label.implicitWidth, 250 - 24)
            text: cell.content
            wrapMode: Text.Wrap
            color: cell.isOwn ? "white" : "black"
            font.family: "Inter"
            font.pixelSize: 16
        }
    }
    // The error mark: a filled circle with "!" cut in white.
    Rectangle {
        visible: cell.failed
        width: 20
        height: 20
        radius: 10
        x: bubble.x - 5 - width
        y: bubble.y + bubble.height - 2 - height
        color: Theme.accent
        Accessible.name: qsTr("Не отправлено")
        Text {
            textFormat: Text.PlainText
            anchors.centerIn: parent
            text: "!"
            color: "white"
            font.family: "Inter"
            font.pixelSize: 14
            font.bold: true
        }
    }
}
