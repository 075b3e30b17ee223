// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/RetrySchedule.h"

#include <algorithm>

RetrySchedule::RetrySchedule(std::function<void()> action) {
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, std::move(action));
}

void RetrySchedule::setDelays(Delay first, Delay longest) {
    m_first = first;
    m_longest = std::max(first, longest);
    m_next = m_first;
}

void RetrySchedule::failed() {
    m_timer.start(m_next);
    m_next = std::min(m_next * 2, m_longest);
}

void RetrySchedule::reset() {
    m_timer.stop();
    m_next = m_first;
}
