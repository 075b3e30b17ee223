// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

// Where a returning person resumes: the sign-up step they reached, the main tabs, or the screen
// their deleted or blocked account shows. `None` is a fresh installation, or a value this
// version cannot read.
enum class Progress { None, Name, PhotoGrid, Geo, Notification, Main, Delete, Ban };
