// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <algorithm>
#include <vector>

// Latencies of one kind of call in a run, with the failures among them and the run's length.
struct Samples {
    std::vector<double> ms;
    int failed = 0;
    double seconds = 0;

    void add(int status, double latency) {
        ms.push_back(latency);
        if (status != 200)
            ++failed;
    }
    void merge(const Samples &other) {
        ms.insert(ms.end(), other.ms.begin(), other.ms.end());
        failed += other.failed;
        seconds += other.seconds;
    }
    [[nodiscard]] double rate() const { return seconds > 0 ? double(ms.size()) / seconds : 0; }
    [[nodiscard]] double percentile(double p) {
        if (ms.empty())
            return 0;
        std::sort(ms.begin(), ms.end());
        return ms[std::min(ms.size() - 1, size_t(p * double(ms.size())))];
    }
};
