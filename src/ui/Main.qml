import QtQuick
import Zirel

// The application window: the root screen, flipped in when a whole-window switch replaces it.
Window {
    id: window

    required property AppWindow appWindow

    minimumWidth: appWindow.minimumWidth
    minimumHeight: appWindow.minimumHeight
    color: Theme.background
    title: "Zirel"

    Shortcut {
        sequences: ["Return", "Enter"]
        onActivated: window.appWindow.returnPressed()
    }
    Shortcut {
        sequence: "Escape"
        onActivated: window.appWindow.escapePressed()
    }
    // A text field with focus keeps these keys for itself.
    Shortcut {
        sequence: "Left"
        onActivated: window.appWindow.leftPressed()
    }
    Shortcut {
        sequence: "Right"
        onActivated: window.appWindow.rightPressed()
    }
    Shortcut {
        sequences: ["Backspace", "Ctrl+Z"]
        onActivated: window.appWindow.undoPressed()
    }

    Item {
        id: stage
        anchors.fill: parent

        transform: Rotation {
            id: flip
            origin.x: stage.width / 2
            origin.y: stage.height / 2
            axis { x: 0; y: 1; z: 0 }
        }

        ScreenHost {
            id: rootHost
            anchors.fill: parent
            controller: window.appWindow.root
        }
    }

    // The lock notice lies over the whole stage, outside the flip, so no switch of the root
    // and nothing the root presents can cover or remove it.
    ScreenHost {
        id: lockHost
        anchors.fill: parent
        z: 1
        controller: window.appWindow.lockNotice
        visible: controller !== null
        opacity: visible ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: 300 } }
        // Typing must not reach a field of the screens underneath.
        onVisibleChanged: if (visible) forceActiveFocus()
    }

    NumberAnimation {
        id: flipIn
        target: flip
        property: "angle"
        duration: 500
        easing.type: Easing.OutCubic
    }

    Connections {
        target: window.appWindow
        function onRootChanged() {
            if (window.appWindow.transition === AppWindow.NoTransition)
                return
            flipIn.from = window.appWindow.transition === AppWindow.FlipFromLeft ? -90 : 90
            flipIn.to = 0
            flipIn.restart()
        }
    }
}
