import QtQuick
import Zirel

Rectangle {
    required property StandInVC controller
    color: Theme.background
    Accessible.name: controller.typeName

    Text {
        anchors.centerIn: parent
        text: controller.typeName
        color: Theme.grey
        font.family: "Inter"
        font.pixelSize: 20
    }
}
