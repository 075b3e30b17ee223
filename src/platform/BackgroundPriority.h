// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

// Work that can wait a few milliseconds (preparing and decoding photos) runs at a lower
// scheduling weight than the thread that draws the window, so a frame of a moving card gets
// the cores first. Unlike the idle class this never starves the work on a busy computer.
namespace BackgroundPriority {
/// Lowers the calling thread's weight; does nothing where threads cannot be weighted.
void lowerThisThread();
/// Starts every thread of Qt's shared pool from the calling thread, which must have the normal
/// weight, and keeps them for the application's life. Called once, before anything is lowered.
void settleSharedWorkers();
} // namespace BackgroundPriority
