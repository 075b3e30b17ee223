// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

// Everything the client writes (settings with the user's own record, positions and messages,
// the saved matches, photos, the sign-in fallback file) is for the user alone.
namespace PrivateFiles {
/// Files and folders the process creates from now on are readable and writable by their owner
/// only. Call first thing in main().
void keepToOwner();
} // namespace PrivateFiles
