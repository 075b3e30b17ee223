// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

import QtQuick

// The symbol of a tab, in the tint of its state.
Image {
    id: symbol

    required property string symbolName
    required property color tint

    visible: symbol.symbolName !== ""
    width: 22
    height: 22
    sourceSize.width: 44
    sourceSize.height: 44
    source: symbol.symbolName === "" ? "" : "image://symbol/" + symbol.symbolName + "?color=" + encodeURIComponent(symbol.tint)
}
