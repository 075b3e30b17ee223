// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractEventDispatcher>
#include <QHash>

#include <atomic>
#include <chrono>
#include <vector>

class QSocketNotifier;

// An event loop for a thread holding thousands of mostly idle sockets. Qt's own loops hand every
// watched socket to poll() each time they wake, and the pongs of a ping round arrive one by one,
// so a round cost the square of the channels; epoll names only the sockets with something to do.
// Timers are kept in a plain list: such a thread has a few.
class EpollDispatcher : public QAbstractEventDispatcher {
    Q_OBJECT
public:
    explicit EpollDispatcher(QObject *parent = nullptr);
    ~EpollDispatcher() override;

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;
    void registerSocketNotifier(QSocketNotifier *notifier) override;
    void unregisterSocketNotifier(QSocketNotifier *notifier) override;
    void registerTimer(int timerId, qint64 interval, Qt::TimerType timerType,
                       QObject *object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject *object) override;
    [[nodiscard]] QList<TimerInfo> registeredTimers(QObject *object) const override;
    int remainingTime(int timerId) override;
    // From any thread.
    void wakeUp() override;
    void interrupt() override;

private:
    using Clock = std::chrono::steady_clock;
    struct Watched {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
        QSocketNotifier *exception = nullptr;
    };
    struct Timer {
        int id;
        qint64 interval;
        Qt::TimerType type;
        QObject *object;
        Clock::time_point due;
    };

    // Tells epoll what the socket's notifiers now wait for.
    void rewatch(qintptr fd, bool wasWatched);
    // Milliseconds epoll may wait: until the next timer, or for ever without one.
    [[nodiscard]] int waitMs() const;
    // Sends the events of the timers that are due; true when there were any.
    bool fireTimers();
    void activate(qintptr fd, QSocketNotifier *Watched::*which);

    int m_epoll = -1;
    int m_wake = -1;
    std::atomic_bool m_interrupted{false};
    QHash<qintptr, Watched> m_watched;
    std::vector<Timer> m_timers;
};
