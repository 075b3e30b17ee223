// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QTimer>
#include <chrono>
#include <functional>

// Runs an action again after a failed call, waiting twice as long after every further failure
// up to a ceiling: a service that is down is not asked in a tight loop, and one that comes back
// is found within a minute. Lives on the main thread.
class RetrySchedule {
public:
    using Delay = std::chrono::milliseconds;

    explicit RetrySchedule(std::function<void()> action);
    RetrySchedule(const RetrySchedule &) = delete;
    RetrySchedule &operator=(const RetrySchedule &) = delete;

    void setDelays(Delay first, Delay longest);
    /// Each wait is drawn between half of it and all of it, so many clients that lost the
    /// service at once do not all come back in the same instant.
    void setJitter(bool jitter) { m_jitter = jitter; }
    /// The call failed (again): the action runs once more after the current wait.
    void failed();
    /// The call succeeded or was made anew by other means: nothing is pending, and the next
    /// failure waits the first delay again.
    void reset();
    /// An action is due to run again.
    [[nodiscard]] bool isWaiting() const { return m_timer.isActive(); }

private:
    QTimer m_timer;
    Delay m_first{std::chrono::seconds(5)};
    Delay m_longest{std::chrono::minutes(1)};
    Delay m_next = m_first;
    bool m_jitter = false;
};
