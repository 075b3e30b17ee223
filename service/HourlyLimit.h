// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>

#include <chrono>

// How often one caller (an address, an account) may do something, as a bucket per caller that
// holds a full hour's allowance and refills evenly: a burst up to the hourly number, then one
// at a time. Shared by the worker threads.
class HourlyLimit {
public:
    using Clock = std::chrono::steady_clock;

    explicit HourlyLimit(int perHour);

    // Takes one from the caller's allowance; false when none is left.
    [[nodiscard]] bool take(const QByteArray &caller, Clock::time_point now = Clock::now());

private:
    struct Bucket {
        double left = 0;
        Clock::time_point at;
    };

    double m_perHour;
    QMutex m_mutex;
    QHash<QByteArray, Bucket> m_buckets;
};
