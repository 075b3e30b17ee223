// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "HourlyLimit.h"

#include <QMutexLocker>

#include <algorithm>

namespace {
// Past this many callers, those whose allowance is whole again are forgotten: a flood of
// addresses cannot grow the table without end.
constexpr qsizetype kRemembered = 100000;
} // namespace

HourlyLimit::HourlyLimit(int perHour)
    : m_perHour(perHour) {}

bool HourlyLimit::take(const QByteArray &caller, Clock::time_point now) {
    const QMutexLocker lock(&m_mutex);
    const auto refilled = [this, now](const Bucket &bucket) {
        const double hours = std::chrono::duration<double>(now - bucket.at).count() / 3600.0;
        return std::min(m_perHour, bucket.left + hours * m_perHour);
    };
    if (m_buckets.size() >= kRemembered) {
        m_buckets.removeIf([&](const auto &entry) { return refilled(entry.value()) >= m_perHour; });
        // Still full: every one of them is spending. Forgetting them all lets each one burst
        // once more, which costs less than memory without bound.
        if (m_buckets.size() >= kRemembered)
            m_buckets.clear();
    }
    const auto found = m_buckets.constFind(caller);
    const double left = found == m_buckets.cend() ? m_perHour : refilled(*found);
    if (left < 1) {
        m_buckets.insert(caller, {left, now});
        return false;
    }
    m_buckets.insert(caller, {left - 1, now});
    return true;
}
