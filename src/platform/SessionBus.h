// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

// The desktop session's message bus. Without one, the D-Bus libraries start a bus of their own
// for the X display ("autolaunch") the first time anything asks for it, and wait on the asking
// thread: the keyring's library did so for three seconds before the first screen, and Qt's
// accessibility bridge, which asks as the first item is placed, was seen waiting for good. A
// bus started that way has nothing on it the client could use. A desktop session started the
// usual way has its bus address in the environment, or a bus at $XDG_RUNTIME_DIR/bus.
namespace SessionBus {
/// Whether the session has a bus that may answer.
[[nodiscard]] bool mayAnswer();
/// Where no bus may answer, tells the D-Bus libraries there is none, so none starts one; the
/// programs the client opens inherit that. First thing in main(), before any thread exists.
void neverAutolaunch();
} // namespace SessionBus
