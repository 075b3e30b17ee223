// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cardstack/PanGestureRecognizer.h"

#include <QQuickItem>

namespace {
// Movement below this is still a tap; it also keeps a shaky press from starting a drag.
constexpr qreal kPanSlop = 6.0;
// Velocity is the displacement over this recent window, so a drag that stops before the
// release is not thrown.
constexpr qint64 kVelocityWindowMs = 80;
} // namespace

PanGestureRecognizer::PanGestureRecognizer(QQuickItem *view)
    : QObject(view)
    , m_view(view) {}

QPointF PanGestureRecognizer::location(const QQuickItem *item) const {
    if (m_testLocation)
        return *m_testLocation;
    const QQuickItem *target = item ? item : m_view;
    return target->mapFromScene(m_lastScene);
}

void PanGestureRecognizer::sendAction() {
    if (m_action)
        m_action();
}

void PanGestureRecognizer::press(QPointF scenePos, qint64 timeMs) {
    m_pressed = true;
    m_state = State::Possible;
    m_startScene = m_lastScene = scenePos;
    m_translation = {};
    m_samples.clear();
    record(scenePos, timeMs);
}

void PanGestureRecognizer::move(QPointF scenePos, qint64 timeMs) {
    if (!m_pressed || m_state == State::Failed)
        return;
    m_lastScene = scenePos;
    record(scenePos, timeMs);
    m_translation = scenePos - m_startScene;
    if (m_state == State::Possible) {
        if (qAbs(m_translation.x()) < kPanSlop && qAbs(m_translation.y()) < kPanSlop)
            return;
        if (!shouldBegin()) {
            m_state = State::Failed;
            return;
        }
        setState(State::Began);
        return;
    }
    setState(State::Changed);
}

void PanGestureRecognizer::release(QPointF scenePos, qint64 timeMs) {
    if (!m_pressed)
        return;
    m_pressed = false;
    if (m_state != State::Began && m_state != State::Changed) {
        m_state = State::Possible;
        return;
    }
    m_lastScene = scenePos;
    record(scenePos, timeMs);
    m_translation = scenePos - m_startScene;
    setState(State::Ended);
}

void PanGestureRecognizer::cancel() {
    const bool active = m_state == State::Began || m_state == State::Changed;
    m_pressed = false;
    if (active)
        setState(State::Cancelled);
    else
        m_state = State::Possible;
}

void PanGestureRecognizer::abandon() {
    if (m_pressed)
        m_state = State::Failed;
}

bool PanGestureRecognizer::isPanning() const {
    return m_state == State::Began || m_state == State::Changed || m_state == State::Failed;
}

void PanGestureRecognizer::record(QPointF scenePos, qint64 timeMs) {
    m_samples.append({scenePos, timeMs});
    while (m_samples.size() > 2 && timeMs - m_samples.first().timeMs > kVelocityWindowMs)
        m_samples.removeFirst();
}

void PanGestureRecognizer::setState(State s) {
    m_state = s;
    sendAction();
}

QPointF PanGestureRecognizer::measuredVelocity() const {
    if (m_samples.size() < 2)
        return {};
    const Sample &first = m_samples.first();
    const Sample &last = m_samples.last();
    const qint64 dt = last.timeMs - first.timeMs;
    if (dt <= 0)
        return {};
    return (last.pos - first.pos) * (1000.0 / static_cast<qreal>(dt));
}
