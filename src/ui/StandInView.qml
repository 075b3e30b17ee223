import QtQuick
import Zirel

Rectangle {
    id: standIn
    required property StandInVC controller
    color: Theme.background
    Accessible.name: standIn.controller.typeName

    Text {
        anchors.centerIn: parent
        text: standIn.controller.typeName
        color: Theme.grey
        font.family: "Inter"
        font.pixelSize: 20
    }
}
