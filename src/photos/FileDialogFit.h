// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

class QQuickWindow;

// Qt's own file dialog, used where the desktop offers none, opens 600 pixels wide whatever the
// window: its filter box then clips the list of picture types. Sizing it to the window shows the
// whole list on a desktop-sized window.
namespace FileDialogFit {
/// Sizes the open fallback file dialog of `window` to the window, within a readable maximum.
/// Does nothing when the desktop's own dialog is in use.
void toWindow(QQuickWindow *window);
} // namespace FileDialogFit
