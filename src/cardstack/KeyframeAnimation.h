// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractAnimation>
#include <QList>
#include <functional>

// A timed animation built from keyframes. Each keyframe covers a share of the run (start and
// length as fractions of the whole); it captures its starting values when the run begins and
// is then told its own progress from 0 to 1. The completion hears whether the run finished
// (true) or was stopped early (false), exactly once.
class KeyframeAnimation : public QAbstractAnimation {
    Q_OBJECT
public:
    struct Keyframe {
        qreal start = 0;
        qreal length = 1;
        std::function<void()> capture;     // reads the values the keyframe starts from
        std::function<void(qreal)> apply;  // sets the values for a progress in [0, 1]
        std::function<qreal(qreal)> curve; // timing curve; linear when empty
    };

    KeyframeAnimation(qreal durationSeconds, qreal delaySeconds, QObject *parent = nullptr);

    void addKeyframe(Keyframe keyframe) { m_keyframes.append(std::move(keyframe)); }
    void setCompletion(std::function<void(bool)> completion) {
        m_completion = std::move(completion);
    }

    /// Starts the run; a run of no duration and no delay applies its end state at once and
    /// reports completion on the next turn of the event loop.
    void run();
    /// Ends the run early with every value at its end, as if the time had run out.
    void removeAtEnd();
    [[nodiscard]] qreal durationSeconds() const { return m_duration; }
    [[nodiscard]] qreal delaySeconds() const { return m_delay; }

    int duration() const override;

protected:
    void updateCurrentTime(int currentTime) override;
    void updateState(State newState, State oldState) override;

private:
    void applyAt(qreal progress);
    void complete(bool finished);

    qreal m_duration;
    qreal m_delay;
    QList<Keyframe> m_keyframes;
    std::function<void(bool)> m_completion;
    bool m_captured = false;
    bool m_completed = false;
};
