import QtQuick
import Zirel

// A row that blocks or reports the person: a rounded button with its bold title, red for the
// report.
Pressable {
    id: root

    property bool destructive: false

    height: 52
    focusRadius: 12
    text: destructive ? qsTr("Пожаловаться на пользователя") : qsTr("Заблокировать пользователя")
    background: Rectangle {
        radius: 12
        color: Qt.rgba(Theme.grey.r, Theme.grey.g, Theme.grey.b, 0.12)
    }
    contentItem: Text {
        textFormat: Text.PlainText
        text: root.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: root.destructive ? "#FF3B30" : Theme.primaryText
        font.family: "Inter"
        font.pixelSize: 16
        font.bold: true
    }
}
