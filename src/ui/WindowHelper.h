// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

// The two whole-window switches: to the restore screen (account deleted or blocked) and to
// the main tab screen. Both act on the current window and do nothing without one.
class Services;

namespace WindowHelper {
/// Replaces the root with a new restore screen, flipping from the left.
void showRestore(const Services &services);
/// Stores "main" as the progress value, then replaces the root with a new main tab screen,
/// flipping from the right.
void showMain(const Services &services);
} // namespace WindowHelper
