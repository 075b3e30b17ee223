// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick
import Zirel.Ui
import Zirel.Controls

// Draws one screen and, above it, whatever that screen presents. A focus scope, so the control
// that had the keyboard gets it back when the screen is in front again.
FocusScope {
    id: host

    required property ViewController controller
    readonly property ViewController presented: controller ? controller.ownPresented : null
    // A host that is not shown yet (a tab behind the selected one) builds its view when it is
    // first shown; the screen itself runs all the same. A built view stays.
    property bool shown: true
    // The controller whose view the loader holds: the controller is set while the host is being
    // created and reported again when it completes, and each load would build the whole view
    // anew.
    property ViewController loadedFor: null
    // Builds the view a little in every frame instead of all at once: for a view that follows
    // something moving, such as the profile beside the feed's flying cards.
    property bool asynchronous: false
    // Where what this screen presents is drawn: over this screen, or over a larger host (a
    // docked panel's alerts cover the window, so nothing beside the panel changes under them).
    property Item presentsOver: null

    function load() {
        if (!host.shown || (host.loadedFor === host.controller && view.status !== Loader.Null))
            return
        host.loadedFor = host.controller
        if (host.controller && host.controller.viewSource != "")
            view.setSource(host.controller.viewSource, { controller: host.controller })
        else
            view.source = ""
    }

    onControllerChanged: load()
    onShownChanged: if (host.shown && view.status === Loader.Null) load()
    Component.onCompleted: load()

    // A layer over the screens that keeps the keyboard from them while it has it (the lock
    // notice).
    property bool holdsKeys: false
    // The screen is in front and its view is built: the keyboard goes to the control the view
    // names as its first, or back to the one it had when the screen comes in again.
    readonly property bool arrived: host.shown && host.controller !== null && host.controller.inView
                                    && view.status === Loader.Ready
    property Item keysHandedIn: null
    onArrivedChanged: {
        if (!host.arrived)
            return
        KeyboardUse.handOver(host, view.item, host.keysHandedIn === view.item)
        host.keysHandedIn = view.item
    }

    // A panel stands beside the view on a wide window; the view makes room for it.
    readonly property bool panelOpen: host.presented !== null && WindowWidth.panelBeside
                                      && host.controller.presentationStyle === PresentationStyle.Panel
    readonly property int panelWidth: 400
    // Forms keep to a centred column outside the compact width; the screen's background goes on
    // on either side of it.
    readonly property bool column: host.controller !== null && host.controller.keepsToColumn
                                   && !WindowWidth.compact

    Loader {
        id: view
        asynchronous: host.asynchronous
        anchors { top: parent.top; bottom: parent.bottom; horizontalCenter: parent.horizontalCenter
                  horizontalCenterOffset: host.panelOpen ? -host.panelWidth / 2 : 0 }
        width: {
            const room = host.width - (host.panelOpen ? host.panelWidth : 0)
            return host.column ? Math.min(room, WindowWidth.formColumn) : room
        }
        // A view sliding out still reads its screen, which therefore waits for the view to go.
        onLoaded: if (host.loadedFor) host.loadedFor.keepFor(view.item)
    }

    Loader {
        id: sheet
        parent: host.presentsOver !== null ? host.presentsOver : host
        anchors { top: parent.top; bottom: parent.bottom; right: parent.right }
        width: host.panelOpen ? host.panelWidth : parent.width
        z: 2
        property int style: host.controller ? host.controller.presentationStyle : 0
        property bool animated: host.controller ? host.controller.presentationAnimated : false

        onLoaded: {
            // The keys are the front layer's; a field underneath would take typing unseen. A host
            // without them (under the lock notice) leaves them where they are.
            if (host.activeFocus)
                sheet.forceActiveFocus()
            if (!animated)
                return
            if (host.panelOpen)
                return
            if (style === PresentationStyle.PageSheet || style === PresentationStyle.FullScreen
                    || style === PresentationStyle.Panel)
                riseIn.start()
            else
                fadeIn.start()
        }

        NumberAnimation { id: fadeIn; target: sheet.item; property: "opacity"; from: 0; to: 1; duration: 300 }
        NumberAnimation {
            id: riseIn; target: sheet.item; property: "y"; from: sheet.height; to: 0
            duration: 350; easing.type: Easing.OutCubic
        }
    }

    onPresentedChanged: {
        if (host.presented) {
            sheet.setSource("SheetHost.qml", { controller: host.presented, style: host.controller.presentationStyle,
                                              presenterHost: host })
        } else if (sheet.status !== Loader.Null) {
            const hadKeys = sheet.activeFocus
            sheet.source = ""
            if (hadKeys)
                view.forceActiveFocus()
        }
    }
}
