// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/ViewController.h"

#include <functional>
#include <initializer_list>
#include <utility>

// The keyboard commands a screen answers, each with what it does.
using KeyActions = std::initializer_list<std::pair<KeyCommand, std::function<void()>>>;

/// Runs the action the screen lists for the command; false when it lists none.
[[nodiscard]] inline bool runKeyAction(KeyCommand command, KeyActions actions) {
    for (const auto &[key, action] : actions) {
        if (key == command) {
            action();
            return true;
        }
    }
    return false;
}
