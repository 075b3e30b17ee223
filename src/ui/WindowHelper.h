#pragma once

// The two whole-window switches: to the restore screen (account deleted or blocked) and to
// the main tab screen. Both act on the current window and do nothing without one.
namespace WindowHelper {
/// Replaces the root with a new restore screen, flipping from the left.
void showRestore();
/// Stores "main" as the progress value, then replaces the root with a new main tab screen,
/// flipping from the right.
void showMain();
} // namespace WindowHelper
