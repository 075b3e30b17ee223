// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>

class QQuickItem;

// Turns the presses and moves of one item into a pan: where the finger is, how far it went
// since the pan began and how fast it moves (points per second, over the last few events).
// Every measurement can be replaced by an injected test value, so drivers replay drags exactly.
class PanGestureRecognizer : public QObject {
    Q_OBJECT
public:
    enum class State { Possible, Began, Changed, Ended, Cancelled, Failed };

    explicit PanGestureRecognizer(QQuickItem *view);

    /// Runs on every state change that the owner must see (began, changed, ended, cancelled).
    void setAction(std::function<void()> action) { m_action = std::move(action); }
    /// Asked once when a press has moved far enough to be a pan; false makes the pan fail.
    void setShouldBegin(std::function<bool()> shouldBegin) {
        m_shouldBegin = std::move(shouldBegin);
    }
    /// Whether a pan may begin, as the owner's delegate decides (true without one).
    [[nodiscard]] bool shouldBegin() const { return !m_shouldBegin || m_shouldBegin(); }

    [[nodiscard]] State state() const { return m_testState.value_or(m_state); }
    /// The finger in the coordinates of item (the recognizer's own view when null).
    [[nodiscard]] QPointF location(const QQuickItem *item = nullptr) const;
    /// Distance moved since the pan began, in scene coordinates.
    [[nodiscard]] QPointF translation() const { return m_testTranslation.value_or(m_translation); }
    [[nodiscard]] QPointF velocity() const { return m_testVelocity.value_or(measuredVelocity()); }

    void setTestLocation(std::optional<QPointF> p) { m_testLocation = p; }
    void setTestTranslation(std::optional<QPointF> t) { m_testTranslation = t; }
    void setTestVelocity(std::optional<QPointF> v) { m_testVelocity = v; }
    void setTestState(std::optional<State> s) { m_testState = s; }
    /// Calls the action as a real event would, after test values were set.
    void sendAction();

    /// Event feed from the owning item; times in milliseconds of any steady clock.
    void press(QPointF scenePos, qint64 timeMs);
    void move(QPointF scenePos, qint64 timeMs);
    void release(QPointF scenePos, qint64 timeMs);
    void cancel();
    /// Drops the pan without a word to the owner; the rest of the press is neither a pan nor a
    /// tap, so its release does nothing.
    void abandon();
    /// Whether the current press has turned into a pan (so it is no tap).
    [[nodiscard]] bool isPanning() const;

private:
    struct Sample {
        QPointF pos;
        qint64 timeMs;
    };
    void record(QPointF scenePos, qint64 timeMs);
    void setState(State s);
    [[nodiscard]] QPointF measuredVelocity() const;

    QQuickItem *m_view;
    std::function<void()> m_action;
    std::function<bool()> m_shouldBegin;
    State m_state = State::Possible;
    bool m_pressed = false;
    QPointF m_startScene;
    QPointF m_lastScene;
    QPointF m_translation;
    QList<Sample> m_samples;
    std::optional<QPointF> m_testLocation;
    std::optional<QPointF> m_testTranslation;
    std::optional<QPointF> m_testVelocity;
    std::optional<State> m_testState;
};
