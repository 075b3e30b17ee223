// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/RetrySchedule.h"

#include <QRandomGenerator>

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
    Delay wait = m_next;
    if (m_jitter && wait.count() > 1)
        wait = wait / 2 + Delay(QRandomGenerator::global()->bounded(qint64(wait.count() / 2)));
    m_timer.start(wait);
    m_next = std::min(m_next * 2, m_longest);
}

void RetrySchedule::reset() {
    m_timer.stop();
    m_next = m_first;
}
