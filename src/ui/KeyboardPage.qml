// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import QtQuick.Controls.Basic
import Zirel.Ui
import Zirel.Controls

// The frame of a registration step: the step's content scrolls above a bottom panel that holds
// "Далее" 30 points above the window's bottom edge, so the button stays in reach at any window
// height. Content and button share one column, at most 1000 points wide and centred.
Rectangle {
    id: page

    required property KeyboardVC step
    // The choice steps set their scrolling buttons apart from the panel with a rule.
    property bool showsRule: false
    default property alias content: column.data
    readonly property real columnWidth: column.width

    // Scrolls just enough to show `rect` of `item` (an item inside the content).
    function reveal(item, rect) {
        const top = item.mapToItem(column, rect.x, rect.y).y + column.y
        const bottom = top + rect.height
        if (top < scrollView.contentY)
            scrollView.contentY = Math.max(0, top - 10)
        else if (bottom > scrollView.contentY + scrollView.height)
            scrollView.contentY = Math.min(scrollView.contentHeight - scrollView.height,
                                           bottom - scrollView.height + 10)
    }

    color: Theme.background

    Flickable {
        id: scrollView
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: panel.top }
        contentWidth: width
        contentHeight: column.y + column.implicitHeight + 20
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollBar.vertical: ScrollBar {}

        Column {
            id: column
            x: (scrollView.width - width) / 2
            y: 20
            width: Math.min(scrollView.width - 40, 1000)
        }
    }

    Rectangle {
        id: panel
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 30 + nextButton.height + 15
        color: Theme.background

        Rectangle {
            anchors { left: parent.left; right: parent.right; top: parent.top }
            height: 2
            visible: page.showsRule
            color: Theme.grey
            opacity: 0.3
        }

        GradientButton {
            id: nextButton
            anchors { bottom: parent.bottom; bottomMargin: 30; horizontalCenter: parent.horizontalCenter }
            width: Math.min(page.width - 40, 1000)
            height: 50
            text: page.step?.nextTitle ?? ""
            enabled: page.step?.nextEnabled ?? false
            busy: page.step?.busy ?? false
            onClicked: page.step.nextButtonTapped()
        }
    }
}
