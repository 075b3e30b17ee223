#pragma once

// Reading the system's font configuration and matching the app's font takes the first text
// of the first screen about ten milliseconds. Done on a thread while the main thread builds
// the screen, the first text finds it ready.
namespace FontWarmUp {
/// Starts the warm-up; the thread ends by itself. Call once, after the application exists.
void start();
} // namespace FontWarmUp
