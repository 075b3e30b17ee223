// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Ui
import Zirel.Controls

// A presented screen. Overlays cover the whole window. A sheet is inset from the top over a
// dimmed backdrop at a compact width and a centred dialog over it on a wider window; a panel is
// a sheet too, except on a window wide enough for it beside the content, where it stands there
// without a backdrop.
Item {
    id: sheetHost

    required property ViewController controller
    required property int style
    // The host of the screen that presented this one.
    required property Item presenterHost
    readonly property bool docked: style === PresentationStyle.Panel && WindowWidth.panelBeside
    readonly property bool sheet: !docked && (style === PresentationStyle.PageSheet
                                              || style === PresentationStyle.Panel)
    readonly property bool dialog: sheet && !WindowWidth.compact
    // The dialog's size, apart from the host's bindings: its position centres it, and a position
    // read from the host's own size would loop through it when the dialog becomes a sheet.
    readonly property real dialogWidth: controller
                                        ? Math.min(controller.dialogSize.width, width - 48) : 0
    readonly property real dialogHeight: controller
                                         ? Math.min(controller.dialogSize.height, height - 48) : 0

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: sheetHost.sheet ? 0.4 : 0
    }

    // Clicks must not reach the screen underneath.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: (wheel) => wheel.accepted = true
    }

    // The dialog's edge, drawn outside it so the screen inside keeps its whole area.
    Rectangle {
        visible: sheetHost.dialog
        anchors { fill: layerHost; margins: -1 }
        color: Theme.grey
        opacity: 0.5
    }

    Rectangle {
        visible: sheetHost.docked
        anchors { right: layerHost.left; top: parent.top; bottom: parent.bottom }
        width: 1
        color: Theme.grey
        opacity: 0.3
    }

    ScreenHost {
        id: layerHost
        x: sheetHost.dialog ? (sheetHost.width - sheetHost.dialogWidth) / 2
                            : sheetHost.sheet ? Math.max(0, (sheetHost.width - 640) / 2) : 0
        y: sheetHost.dialog ? (sheetHost.height - sheetHost.dialogHeight) / 2
                            : sheetHost.sheet ? 40 : 0
        width: sheetHost.dialog ? sheetHost.dialogWidth : sheetHost.width - 2 * x
        height: sheetHost.dialog ? sheetHost.dialogHeight : sheetHost.height - y
        controller: sheetHost.controller
        presentsOver: sheetHost.docked ? sheetHost.presenterHost : null
        clip: sheetHost.sheet
    }

    FocusFence {
        fenced: layerHost
        active: !sheetHost.docked && sheetHost.controller !== null
                && sheetHost.controller.ownPresented === null
    }
}
