// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Zirel.Ui
import Zirel.Controls

// The application window: the root screen, flipped in when a whole-window switch replaces it.
Window {
    id: window

    required property AppWindow appWindow

    minimumWidth: appWindow.minimumWidth
    minimumHeight: appWindow.minimumHeight
    color: Theme.background
    title: "Zirel"

    // Every window shortcut comes from the key table, which the list of shortcuts shows too. A
    // text field with focus keeps the keys it types with (arrows, Backspace, ?) for itself.
    Repeater {
        model: KeyTable.windowKeys
        Item {
            id: key
            required property var modelData
            Shortcut {
                sequences: key.modelData.sequences
                onActivated: window.run(key.modelData.command)
            }
        }
    }

    // Full screen and back to whatever the window was before it, maximised or not.
    property int visibilityBeforeFullScreen: Window.Windowed

    function run(command) {
        if (command === KeyTable.Quit) {
            Qt.quit()
        } else if (command !== KeyTable.FullScreen) {
            window.appWindow.commandPressed(command)
        } else if (window.visibility === Window.FullScreen) {
            window.visibility = window.visibilityBeforeFullScreen
        } else {
            window.visibilityBeforeFullScreen = window.visibility
            window.visibility = Window.FullScreen
        }
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
        holdsKeys: visible
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
