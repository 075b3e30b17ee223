// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/AvatarSource.h"

#include <chrono>

namespace {
constexpr std::chrono::minutes kLongestDelay{1};
}

AvatarSource::AvatarSource(QObject *parent)
    : QObject(parent)
    , m_retry([this] { reload(); }) {
    m_retry.setDelays(m_firstDelay, kLongestDelay);
}

void AvatarSource::setSource(const QString &source) {
    if (source == m_source)
        return;
    m_source = source;
    m_retry.reset();
    Q_EMIT urlChanged();
}

void AvatarSource::setRetryDelay(int ms) {
    const RetrySchedule::Delay delay(std::max(ms, 0));
    if (delay == m_firstDelay)
        return;
    m_firstDelay = delay;
    // A wait under way is cut to the new delay, not left to run its old length.
    const bool waiting = m_retry.isWaiting();
    m_retry.setDelays(m_firstDelay, kLongestDelay);
    if (waiting) {
        m_retry.reset();
        m_retry.failed();
    }
    Q_EMIT retryDelayChanged();
}

QUrl AvatarSource::url() const {
    if (m_source.isEmpty() || m_reloading)
        return {};
    return QUrl(QStringLiteral("image://cache/") +
                QString::fromUtf8(QUrl::toPercentEncoding(m_source)));
}

void AvatarSource::failed() {
    m_retry.failed();
}

void AvatarSource::reload() {
    // Through no address and back: the image asks the cache anew.
    m_reloading = true;
    Q_EMIT urlChanged();
    m_reloading = false;
    Q_EMIT urlChanged();
}
