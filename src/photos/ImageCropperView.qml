import QtQuick
import Zirel

// The picked picture under a fixed 3:4 frame with a 3 × 4 grid: dragged, wheeled or pinched
// into place (arrows, + and − on the keyboard), then added with the button or Return.
Rectangle {
    id: screen

    required property ImageCropperVC controller

    readonly property real imageWidth: controller ? Math.max(1, controller.imageSize.width) : 1
    readonly property real imageHeight: controller ? Math.max(1, controller.imageSize.height) : 1
    readonly property real minZoom: Math.max(frame.width / imageWidth, frame.height / imageHeight)
    property real zoom: minZoom

    // Magnifies around a point of the frame, keeping that point of the picture under it.
    function zoomTo(value, atX, atY) {
        const next = Math.max(screen.minZoom, Math.min(screen.controller.maxZoom, value))
        const pictureX = (scroll.contentX + atX) / screen.zoom
        const pictureY = (scroll.contentY + atY) / screen.zoom
        screen.zoom = next
        scroll.contentX = Math.max(0, Math.min(scroll.contentWidth - scroll.width, pictureX * next - atX))
        scroll.contentY = Math.max(0, Math.min(scroll.contentHeight - scroll.height, pictureY * next - atY))
    }
    // Back to the whole frame covered, the picture centred: on open and whenever the frame
    // changes size.
    function reset() {
        screen.zoom = screen.minZoom
        scroll.contentX = Math.max(0, (scroll.contentWidth - scroll.width) / 2)
        scroll.contentY = Math.max(0, (scroll.contentHeight - scroll.height) / 2)
    }
    // The framed part in the picture's own pixels.
    function frameInPicture() {
        const s = screen.imageWidth / scroll.contentWidth
        return Qt.rect(Math.round(scroll.contentX * s), Math.round(scroll.contentY * s),
                       Math.round(frame.width * s), Math.round(frame.height * s))
    }

    color: "black"

    Item {
        id: area
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: parent.bottom; bottomMargin: 90 }
    }

    Item {
        id: frame
        readonly property bool tall: area.height / area.width > 4 / 3
        width: Math.round(tall ? area.width : area.height * 3 / 4)
        height: Math.round(tall ? area.width * 4 / 3 : area.height)
        x: (area.width - width) / 2
        y: tall ? (area.height - height) / 2 : 0
        onWidthChanged: resetLater.restart()
        onHeightChanged: resetLater.restart()

        Flickable {
            id: scroll
            anchors.fill: parent
            clip: true
            interactive: !screen.controller.busy
            boundsBehavior: Flickable.StopAtBounds
            flickDeceleration: 5000
            contentWidth: screen.imageWidth * screen.zoom
            contentHeight: screen.imageHeight * screen.zoom
            Accessible.name: qsTr("Сдвинуть и изменить масштаб")

            ImageView {
                width: scroll.contentWidth
                height: scroll.contentHeight
                image: screen.controller ? screen.controller.image : null
            }

            WheelHandler {
                enabled: !screen.controller.busy
                onWheel: (event) => {
                    const steps = event.angleDelta.y / 120
                    screen.zoomTo(screen.zoom * Math.pow(1.15, steps), event.x, event.y)
                }
            }
            PinchHandler {
                target: null
                enabled: !screen.controller.busy
                property real startZoom: 1
                onActiveChanged: if (active) startZoom = screen.zoom
                onActiveScaleChanged: screen.zoomTo(startZoom * activeScale, centroid.position.x, centroid.position.y)
            }

            Keys.onShortcutOverride: (event) => {
                event.accepted = [Qt.Key_Left, Qt.Key_Right, Qt.Key_Up, Qt.Key_Down,
                                  Qt.Key_Plus, Qt.Key_Equal, Qt.Key_Minus].includes(event.key)
            }
            Keys.onPressed: (event) => {
                const step = 40
                if (event.key === Qt.Key_Left)
                    scroll.contentX = Math.max(0, scroll.contentX - step)
                else if (event.key === Qt.Key_Right)
                    scroll.contentX = Math.min(scroll.contentWidth - scroll.width, scroll.contentX + step)
                else if (event.key === Qt.Key_Up)
                    scroll.contentY = Math.max(0, scroll.contentY - step)
                else if (event.key === Qt.Key_Down)
                    scroll.contentY = Math.min(scroll.contentHeight - scroll.height, scroll.contentY + step)
                else if (event.key === Qt.Key_Plus || event.key === Qt.Key_Equal)
                    screen.zoomTo(screen.zoom * 1.15, scroll.width / 2, scroll.height / 2)
                else if (event.key === Qt.Key_Minus)
                    screen.zoomTo(screen.zoom / 1.15, scroll.width / 2, scroll.height / 2)
                else
                    return
                event.accepted = true
            }
        }

        // The grid: the rounded outline, thirds across and quarters down.
        Rectangle {
            anchors.fill: parent
            color: "transparent"
            radius: 10
            border.width: 1
            border.color: "white"
        }
        Rectangle { x: Math.round(frame.width / 3); width: 1; height: frame.height; color: "white" }
        Rectangle { x: Math.round(frame.width * 2 / 3); width: 1; height: frame.height; color: "white" }
        Rectangle { y: Math.round(frame.height / 4); width: frame.width; height: 1; color: "white" }
        Rectangle { y: Math.round(frame.height / 2); width: frame.width; height: 1; color: "white" }
        Rectangle { y: Math.round(frame.height * 3 / 4); width: frame.width; height: 1; color: "white" }
    }

    // The keys move and zoom the picture from the start, once the screen has come in.
    Timer {
        interval: 100
        running: true
        onTriggered: scroll.forceActiveFocus()
    }

    Timer {
        id: resetLater
        interval: 0
        onTriggered: screen.reset()
    }

    GradientButton {
        anchors { bottom: parent.bottom; bottomMargin: 20; horizontalCenter: parent.horizontalCenter }
        width: Math.min(parent.width - 40, 1000)
        height: 50
        text: qsTr("Добавить в профиль")
        busy: screen.controller ? screen.controller.busy : false
        onClicked: screen.controller.addButtonTapped(screen.frameInPicture())
    }

    Connections {
        target: screen.controller
        function onAddRequested() {
            screen.controller.addButtonTapped(screen.frameInPicture())
        }
    }
}
