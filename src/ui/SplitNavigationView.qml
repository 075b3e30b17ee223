// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Zirel.Ui
import Zirel.Controls

// A stack whose first screen is a list of what the others show. At a compact width it is a
// phone's stack, the chosen screen sliding in over the list; on a wider window the list stays at
// the left and the chosen screen stands beside it, a quiet line of text until one is chosen.
// Its screens draw their own bars.
Rectangle {
    id: nav

    required property NavigationContainer controller
    readonly property bool split: !WindowWidth.compact
    readonly property int listWidth: WindowWidth.wide ? 380 : 320
    readonly property ViewController list: controller.stackObjects[0] ?? null
    readonly property bool chosen: controller.depth > 1

    color: Theme.background

    Component {
        id: page
        ScreenHost {}
    }

    ScreenHost {
        id: listHost
        controller: nav.list
        y: 0
        height: nav.height
        width: nav.split ? nav.listWidth : nav.width
        // On a phone the list steps aside as the chosen screen slides over it.
        x: !nav.split && nav.chosen ? -nav.width / 3 : 0
        visible: nav.split || !nav.chosen || slide.running || stack.busy
        Behavior on x {
            enabled: !nav.split
            NumberAnimation { id: slide; duration: 400; easing.type: Easing.OutCubic }
        }
    }

    Rectangle {
        visible: nav.split
        x: nav.listWidth
        width: 1
        height: nav.height
        color: Theme.grey
        opacity: 0.3
    }

    Text {
        textFormat: Text.PlainText
        visible: nav.split && !nav.chosen
        anchors { left: parent.left; right: parent.right; leftMargin: nav.listWidth + 32; rightMargin: 32
                  verticalCenter: parent.verticalCenter }
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: nav.list ? nav.list.emptyDetailText : ""
        color: Theme.grey
        font: Theme.row
    }

    T.StackView {
        id: stack
        x: nav.split ? nav.listWidth + 1 : 0
        y: 0
        width: nav.split ? nav.width - nav.listWidth - 1 : nav.width
        height: nav.height
        // An empty stack must not take the clicks meant for the list under it.
        visible: nav.chosen || busy
        // Beside the list, Escape first takes the keyboard back to it; from there a second one
        // closes the chosen screen.
        Keys.onShortcutOverride: (event) => event.accepted = nav.split && event.key === Qt.Key_Escape
        Keys.onEscapePressed: listHost.forceActiveFocus()
        pushEnter: Transition {
            XAnimator { from: stack.width; to: 0; duration: 400; easing.type: Easing.OutCubic }
        }
        pushExit: Transition {
            XAnimator { from: 0; to: -stack.width; duration: 400; easing.type: Easing.OutCubic }
        }
        popEnter: Transition {
            XAnimator { from: -stack.width; to: 0; duration: 400; easing.type: Easing.OutCubic }
        }
        popExit: Transition {
            XAnimator { from: 0; to: stack.width; duration: 400; easing.type: Easing.OutCubic }
        }
        Component.onCompleted: nav.rebuild()
    }

    // The screens after the list, as the stack holds them now.
    function rebuild() {
        const screens = nav.controller.stackObjects
        stack.clear(T.StackView.Immediate)
        for (let i = 1; i < screens.length; ++i)
            stack.push(page, { controller: screens[i] }, T.StackView.Immediate)
    }

    // Beside the list a screen is simply there: nothing slides across the window.
    function operation(animated, kind) {
        return animated && !nav.split ? kind : T.StackView.Immediate
    }

    Connections {
        target: nav.controller
        function onPushed(vc, animated) {
            stack.push(page, { controller: vc }, nav.operation(animated, T.StackView.PushTransition))
        }
        function onPopped(animated) {
            const hadKeys = stack.currentItem?.activeFocus ?? false
            if (stack.depth > 1)
                stack.pop(nav.operation(animated, T.StackView.PopTransition))
            else
                stack.clear(nav.operation(animated, T.StackView.PopTransition))
            if (!hadKeys)
                return
            if (stack.currentItem)
                stack.currentItem.forceActiveFocus()
            else
                listHost.forceActiveFocus()
        }
        function onReplaced(animated) {
            nav.rebuild()
        }
    }
}
