// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Controls
import Zirel.Photos

// The picked picture under a fixed 3:4 frame with a 3 × 4 grid: dragged, wheeled or pinched
// into place (arrows, + and − on the keyboard), then added with the button or Return. Where the
// frame and the picture lie is the controller's.
Rectangle {
    id: screen

    required property ImageCropperVC controller
    // The keys move and zoom the picture from the start.
    readonly property Item firstControl: frame

    color: "black"

    Item {
        id: area
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: parent.bottom; bottomMargin: 90 }
        onWidthChanged: screen.controller.layOut(Qt.size(width, height))
        onHeightChanged: screen.controller.layOut(Qt.size(width, height))
        Component.onCompleted: screen.controller.layOut(Qt.size(width, height))
    }

    Item {
        id: frame
        x: screen.controller.frame.x
        y: screen.controller.frame.y
        width: screen.controller.frame.width
        height: screen.controller.frame.height
        clip: true
        focus: true
        Accessible.name: qsTr("Сдвинуть и изменить масштаб")
        Accessible.role: Accessible.Graphic

        ImageView {
            x: -screen.controller.offset.x
            y: -screen.controller.offset.y
            width: screen.controller.shownSize.width
            height: screen.controller.shownSize.height
            image: screen.controller.image
        }

        DragHandler {
            id: drag
            target: null
            enabled: !screen.controller.busy
            property point last: Qt.point(0, 0)
            onActiveChanged: last = Qt.point(0, 0)
            onTranslationChanged: {
                screen.controller.moveBy(Qt.point(last.x - translation.x, last.y - translation.y))
                last = Qt.point(translation.x, translation.y)
            }
        }
        WheelHandler {
            enabled: !screen.controller.busy
            onWheel: (event) => screen.controller.zoomSteps(event.angleDelta.y / 120, Qt.point(event.x, event.y))
        }
        PinchHandler {
            target: null
            enabled: !screen.controller.busy
            property real lastScale: 1
            onActiveChanged: lastScale = 1
            onActiveScaleChanged: {
                screen.controller.zoomBy(activeScale / lastScale, centroid.position)
                lastScale = activeScale
            }
        }

        Keys.onShortcutOverride: (event) => {
            event.accepted = [Qt.Key_Left, Qt.Key_Right, Qt.Key_Up, Qt.Key_Down,
                              Qt.Key_Plus, Qt.Key_Equal, Qt.Key_Minus].includes(event.key)
        }
        Keys.onPressed: (event) => {
            if (screen.controller.busy)
                return
            if (event.key === Qt.Key_Left)
                screen.controller.nudge(-1, 0)
            else if (event.key === Qt.Key_Right)
                screen.controller.nudge(1, 0)
            else if (event.key === Qt.Key_Up)
                screen.controller.nudge(0, -1)
            else if (event.key === Qt.Key_Down)
                screen.controller.nudge(0, 1)
            else if (event.key === Qt.Key_Plus || event.key === Qt.Key_Equal)
                screen.controller.zoomStepsAtCentre(1)
            else if (event.key === Qt.Key_Minus)
                screen.controller.zoomStepsAtCentre(-1)
            else
                return
            event.accepted = true
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

    GradientButton {
        anchors { bottom: parent.bottom; bottomMargin: 20; horizontalCenter: parent.horizontalCenter }
        width: Math.min(parent.width - 40, 1000)
        height: 50
        text: qsTr("Добавить в профиль")
        busy: screen.controller.busy
        enabled: !screen.controller.busy
        onClicked: screen.controller.addButtonTapped()
    }
}
