pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import Zirel

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

        AbstractButton {
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

        Text {
            anchors.centerIn: parent
            text: nav.topScreen ? nav.topScreen.title : ""
            color: Theme.primaryText
            font.family: "Inter"
            font.pixelSize: 17
            font.weight: Font.DemiBold
        }
    }

    StackView {
        id: stack
        anchors { left: parent.left; right: parent.right; top: bar.bottom; bottom: parent.bottom }
        Component.onCompleted: {
            const screens = nav.controller.stackObjects
            for (let i = 0; i < screens.length; ++i)
                stack.push(page, { controller: screens[i] }, StackView.Immediate)
        }
    }

    Connections {
        target: nav.controller
        function onPushed(vc, animated) {
            stack.push(page, { controller: vc }, animated ? StackView.PushTransition : StackView.Immediate)
        }
        function onPopped(animated) {
            stack.pop(animated ? StackView.PopTransition : StackView.Immediate)
        }
        function onReplaced(animated) {
            const screens = nav.controller.stackObjects
            stack.clear(StackView.Immediate)
            for (let i = 0; i < screens.length; ++i)
                stack.push(page, { controller: screens[i] },
                           animated && i === screens.length - 1 ? StackView.PushTransition : StackView.Immediate)
        }
    }
}
