// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <functional>
#include <optional>

// Counts taps on the sign-in logo towards the hidden reviewer login. A pause of the reset window
// without a tap sets the count back to zero, as a timer restarted by every tap would. The clock
// is injected so the timing can be replayed exactly.
class ReviewModeCounter {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    static constexpr int tapsNeeded = 5;
    static constexpr std::chrono::milliseconds resetAfter{3000};

    explicit ReviewModeCounter(Clock clock = &std::chrono::steady_clock::now);

    // Adds one tap; true when it completes the series, which starts the count afresh.
    [[nodiscard]] bool tap();
    // Taps counted so far, zero once the reset window has passed since the last one.
    [[nodiscard]] int count() const;

private:
    Clock m_clock;
    int m_count = 0;
    std::optional<std::chrono::steady_clock::time_point> m_lastTap;
};
