import QtQuick
import Zirel

// A presented screen: full window for overlays, or a sheet inset from the top over a dimmed
// backdrop.
Item {
    id: sheetHost

    required property ViewController controller
    required property int style
    readonly property bool inset: style === PresentationStyle.PageSheet

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: sheetHost.inset ? 0.4 : 0
    }

    // Clicks must not reach the screen underneath.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: (wheel) => wheel.accepted = true
    }

    ScreenHost {
        id: layerHost
        anchors.fill: parent
        anchors.topMargin: sheetHost.inset ? 40 : 0
        anchors.leftMargin: sheetHost.inset ? Math.max(0, (parent.width - 640) / 2) : 0
        anchors.rightMargin: anchors.leftMargin
        controller: sheetHost.controller
        clip: sheetHost.inset
    }

    FocusFence {
        fenced: layerHost
        active: sheetHost.controller !== null && sheetHost.controller.ownPresented === null
    }
}
