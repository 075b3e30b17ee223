// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "account/ReviewModeCounter.h"

ReviewModeCounter::ReviewModeCounter(Clock clock)
    : m_clock(std::move(clock)) {}

int ReviewModeCounter::count() const {
    if (!m_lastTap || m_clock() - *m_lastTap >= resetAfter)
        return 0;
    return m_count;
}

bool ReviewModeCounter::tap() {
    m_count = count() + 1;
    m_lastTap = m_clock();
    if (m_count < tapsNeeded)
        return false;
    m_count = 0;
    return true;
}
