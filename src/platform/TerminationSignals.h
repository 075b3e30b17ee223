// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

// The usual ways a desktop program is told to stop from outside: the session ending (SIGTERM,
// SIGHUP) and Ctrl+C in the terminal it was started from (SIGINT). Their default is to end the
// process on the spot, which skipped the quit path: the window's place was not kept, and writes
// still queued (answers, swipes kept for later, drawn symbols) were lost. Caught, they quit the
// application as closing its window does. A second signal while that runs ends the process.
namespace TerminationSignals {
/// Once the application object exists, on the main thread.
void quitApplicationOnThem();
} // namespace TerminationSignals
