// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cardstack/KeyframeAnimation.h"

#include <QTimer>
#include <cmath>

KeyframeAnimation::KeyframeAnimation(qreal durationSeconds, qreal delaySeconds, QObject *parent)
    : QAbstractAnimation(parent)
    , m_duration(qMax<qreal>(0, durationSeconds))
    , m_delay(qMax<qreal>(0, delaySeconds)) {}

int KeyframeAnimation::duration() const {
    return static_cast<int>(std::lround((m_duration + m_delay) * 1000.0));
}

void KeyframeAnimation::run() {
    if (duration() == 0) {
        applyAt(1.0);
        QTimer::singleShot(0, this, [this] { complete(true); });
        return;
    }
    start();
}

void KeyframeAnimation::updateCurrentTime(int currentTime) {
    const qreal elapsed = currentTime / 1000.0 - m_delay;
    if (elapsed < 0)
        return;
    applyAt(m_duration > 0 ? qMin<qreal>(1.0, elapsed / m_duration) : 1.0);
}

void KeyframeAnimation::updateState(State newState, State oldState) {
    if (newState == Stopped && oldState != Stopped)
        complete(currentTime() >= duration());
}

void KeyframeAnimation::applyAt(qreal progress) {
    if (!m_captured) {
        m_captured = true;
        for (const Keyframe &k : m_keyframes) {
            if (k.capture)
                k.capture();
        }
    }
    for (const Keyframe &k : m_keyframes) {
        if (progress < k.start)
            continue;
        qreal local = k.length > 0 ? (progress - k.start) / k.length : 1.0;
        local = qBound<qreal>(0, local, 1);
        k.apply(k.curve ? k.curve(local) : local);
    }
}

void KeyframeAnimation::removeAtEnd() {
    // A removed animation leaves what it was heading for, not a frame from its middle: the
    // stack's rules count on the values an animation sets, as a card's scale back to full size.
    applyAt(1.0);
    stop();
}

void KeyframeAnimation::complete(bool finished) {
    if (m_completed)
        return;
    m_completed = true;
    if (m_completion)
        m_completion(finished);
}
