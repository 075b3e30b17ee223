// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import QtQuick.Controls.Basic
import Zirel.Controls
import Zirel.Onboarding

// A permission step: the question and why, a large symbol, the main button and the way on
// without it.
Rectangle {
    id: screen

    required property PermissionStepVC controller

    color: Theme.background

    Flickable {
        id: scrollView
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: buttons.top }
        contentWidth: width
        contentHeight: content.implicitHeight + 20 + 120
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollBar.vertical: ScrollBar {}

        Column {
            id: content
            x: 30
            y: 20
            width: scrollView.width - 60
            spacing: 15

            Text {
                textFormat: Text.PlainText
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: screen.controller?.titleText ?? ""
                color: Theme.primaryText
                font: Theme.largeTitle
            }
            Text {
                textFormat: Text.PlainText
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: screen.controller?.hintText ?? ""
                color: Theme.grey
                font: Theme.lead
            }
            Item { width: 1; height: 35 }
            Image {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 125
                height: 125
                sourceSize.width: 250
                sourceSize.height: 250
                source: "image://symbol/" + (screen.controller?.symbol ?? "") + "?color="
                        + encodeURIComponent(Theme.grey)
            }
        }
    }

    Column {
        id: buttons
        anchors { bottom: parent.bottom; bottomMargin: 20; horizontalCenter: parent.horizontalCenter }
        width: Math.min(screen.width - 60, 1000)
        spacing: 15

        GradientButton {
            width: parent.width
            height: 50
            text: screen.controller?.nextTitle ?? ""
            busy: screen.controller?.busy ?? false
            onClicked: screen.controller.nextButtonTapped()
        }
        Pressable {
            id: textButton
            visible: screen.controller?.showsTextButton ?? false
            anchors.horizontalCenter: parent.horizontalCenter
            padding: 6
            implicitWidth: implicitContentWidth + leftPadding + rightPadding
            implicitHeight: implicitContentHeight + topPadding + bottomPadding
            text: screen.controller?.textButtonTitle ?? ""
            onClicked: screen.controller.textButtonTapped()
            contentItem: Text {
                textFormat: Text.PlainText
                text: textButton.text
                color: Theme.primaryText
                font: Theme.button
            }
        }
    }
}
