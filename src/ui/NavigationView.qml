// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Zirel.Ui
import Zirel.Controls

// A navigation stack: a bar with the back chevron over the top screen, pushes sliding in from
// the right.
Rectangle {
    id: nav

    required property NavigationContainer controller
    readonly property ViewController topScreen: controller.topViewController
    readonly property bool barShown: topScreen !== null && !topScreen.navigationBarHidden

    color: Theme.background

    Component {
        id: page
        ScreenHost {}
    }

    Item {
        id: bar
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: nav.barShown ? 52 : 0
        visible: nav.barShown
        z: 1

        Rectangle { anchors.fill: parent; color: Theme.background }

        Pressable {
            id: back
            visible: nav.controller.depth > 1
            anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
            width: 44
            height: 44
            Accessible.name: qsTr("Назад")
            onClicked: nav.controller.pop(true)
            contentItem: Image {
                anchors.centerIn: parent
                width: 22
                height: 22
                sourceSize.width: 44
                sourceSize.height: 44
                source: "image://symbol/chevron.left?bold=1&color=" + encodeURIComponent(Theme.primaryText)
            }
        }

        BarButton {
            id: leftButton
            visible: !back.visible && nav.topScreen !== null && nav.topScreen.leftBarButtonTitle !== ""
            anchors { left: parent.left; leftMargin: 12; verticalCenter: parent.verticalCenter }
            text: nav.topScreen ? nav.topScreen.leftBarButtonTitle : ""
            onClicked: nav.topScreen.leftBarButtonTapped()
        }

        BarButton {
            id: rightButton
            visible: nav.topScreen !== null && nav.topScreen.rightBarButtonTitle !== ""
                     && !nav.topScreen.rightBarButtonBusy
            enabled: nav.topScreen !== null && nav.topScreen.rightBarButtonEnabled
            anchors { right: parent.right; rightMargin: 12; verticalCenter: parent.verticalCenter }
            text: nav.topScreen ? nav.topScreen.rightBarButtonTitle : ""
            onClicked: nav.topScreen.rightBarButtonTapped()
        }

        ActivitySpinner {
            anchors.centerIn: rightButton
            width: 24
            height: 24
            running: nav.topScreen !== null && nav.topScreen.rightBarButtonBusy
        }

        Text {
            textFormat: Text.PlainText
            anchors.centerIn: parent
            text: nav.topScreen ? nav.topScreen.title : ""
            color: Theme.primaryText
            font: Theme.headline
        }
    }

    T.StackView {
        id: stack
        anchors { left: parent.left; right: parent.right; top: bar.bottom; bottom: parent.bottom }
        // Pushed screens come in from the right and leave to the right.
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
        Component.onCompleted: {
            const screens = nav.controller.stackObjects
            for (let i = 0; i < screens.length; ++i)
                stack.push(page, { controller: screens[i] }, T.StackView.Immediate)
        }
    }

    Connections {
        target: nav.controller
        function onPushed(vc, animated) {
            stack.push(page, { controller: vc }, animated ? T.StackView.PushTransition : T.StackView.Immediate)
        }
        function onPopped(animated) {
            const hadKeys = stack.currentItem?.activeFocus ?? false
            stack.pop(animated ? T.StackView.PopTransition : T.StackView.Immediate)
            if (hadKeys)
                stack.currentItem.forceActiveFocus()
        }
        function onReplaced(animated) {
            const screens = nav.controller.stackObjects
            stack.clear(T.StackView.Immediate)
            for (let i = 0; i < screens.length; ++i)
                stack.push(page, { controller: screens[i] },
                           animated && i === screens.length - 1 ? T.StackView.PushTransition : T.StackView.Immediate)
        }
    }
}
