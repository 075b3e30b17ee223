// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "EpollDispatcher.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimerEvent>

#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>

namespace {

constexpr int kMostEvents = 256;

} // namespace

EpollDispatcher::EpollDispatcher(QObject *parent)
    : QAbstractEventDispatcher(parent)
    , m_epoll(epoll_create1(EPOLL_CLOEXEC))
    , m_wake(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (m_epoll < 0 || m_wake < 0)
        qFatal("EpollDispatcher: cannot make an epoll set or an eventfd (%d)", errno);
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = m_wake;
    epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_wake, &event);
}

EpollDispatcher::~EpollDispatcher() {
    ::close(m_wake);
    ::close(m_epoll);
}

void EpollDispatcher::rewatch(qintptr fd, bool wasWatched) {
    const auto it = m_watched.constFind(fd);
    epoll_event event{};
    event.data.fd = int(fd);
    if (it != m_watched.cend()) {
        event.events = (it->read ? EPOLLIN : 0u) | (it->write ? EPOLLOUT : 0u) |
                       (it->exception ? EPOLLPRI : 0u);
    }
    if (event.events == 0) {
        // Hang-ups are reported even to a socket waiting for nothing: one left in the set
        // would wake the loop for ever.
        m_watched.remove(fd);
        if (wasWatched)
            epoll_ctl(m_epoll, EPOLL_CTL_DEL, int(fd), &event);
        return;
    }
    epoll_ctl(m_epoll, wasWatched ? EPOLL_CTL_MOD : EPOLL_CTL_ADD, int(fd), &event);
}

void EpollDispatcher::registerSocketNotifier(QSocketNotifier *notifier) {
    const qintptr fd = notifier->socket();
    const bool wasWatched = m_watched.contains(fd);
    Watched &watched = m_watched[fd];
    switch (notifier->type()) {
    case QSocketNotifier::Read:
        watched.read = notifier;
        break;
    case QSocketNotifier::Write:
        watched.write = notifier;
        break;
    case QSocketNotifier::Exception:
        watched.exception = notifier;
        break;
    }
    rewatch(fd, wasWatched);
}

void EpollDispatcher::unregisterSocketNotifier(QSocketNotifier *notifier) {
    const qintptr fd = notifier->socket();
    const auto it = m_watched.find(fd);
    if (it == m_watched.end())
        return;
    for (QSocketNotifier **slot : {&it->read, &it->write, &it->exception})
        if (*slot == notifier)
            *slot = nullptr;
    rewatch(fd, true);
}

void EpollDispatcher::registerTimer(int timerId, qint64 interval, Qt::TimerType timerType,
                                    QObject *object) {
    m_timers.push_back(
        {timerId, interval, timerType, object, Clock::now() + std::chrono::milliseconds(interval)});
}

bool EpollDispatcher::unregisterTimer(int timerId) {
    return std::erase_if(m_timers, [timerId](const Timer &t) { return t.id == timerId; }) > 0;
}

bool EpollDispatcher::unregisterTimers(QObject *object) {
    return std::erase_if(m_timers, [object](const Timer &t) { return t.object == object; }) > 0;
}

QList<QAbstractEventDispatcher::TimerInfo>
EpollDispatcher::registeredTimers(QObject *object) const {
    QList<TimerInfo> timers;
    for (const Timer &t : m_timers)
        if (t.object == object)
            timers.append({t.id, int(t.interval), t.type});
    return timers;
}

int EpollDispatcher::remainingTime(int timerId) {
    const auto it = std::find_if(m_timers.cbegin(), m_timers.cend(),
                                 [timerId](const Timer &t) { return t.id == timerId; });
    if (it == m_timers.cend())
        return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(it->due - Clock::now());
    return int(std::max<qint64>(0, left.count()));
}

void EpollDispatcher::wakeUp() {
    const quint64 one = 1;
    // A full counter already wakes the loop; nothing is lost when this write fails.
    (void)::write(m_wake, &one, sizeof one);
}

void EpollDispatcher::interrupt() {
    m_interrupted = true;
    wakeUp();
}

int EpollDispatcher::waitMs() const {
    if (m_timers.empty())
        return -1;
    const Clock::time_point next =
        std::min_element(m_timers.cbegin(), m_timers.cend(), [](const Timer &a, const Timer &b) {
            return a.due < b.due;
        })->due;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now());
    return int(std::clamp<qint64>(left.count(), 0, std::numeric_limits<int>::max()));
}

bool EpollDispatcher::fireTimers() {
    const Clock::time_point now = Clock::now();
    std::vector<int> due;
    for (const Timer &t : m_timers)
        if (t.due <= now)
            due.push_back(t.id);
    for (const int id : due) {
        // An earlier timer's event may have stopped this one, or started it again.
        const auto it = std::find_if(m_timers.begin(), m_timers.end(),
                                     [id](const Timer &t) { return t.id == id; });
        if (it == m_timers.end() || it->due > now)
            continue;
        it->due = now + std::chrono::milliseconds(it->interval);
        QObject *object = it->object;
        QTimerEvent event(id);
        QCoreApplication::sendEvent(object, &event);
    }
    return !due.empty();
}

void EpollDispatcher::activate(qintptr fd, QSocketNotifier *Watched::*which) {
    // Looked up afresh each time: an earlier event may have closed the socket.
    const auto it = m_watched.constFind(fd);
    if (it == m_watched.cend() || !((*it).*which))
        return;
    QEvent event(QEvent::SockAct);
    QCoreApplication::sendEvent((*it).*which, &event);
}

bool EpollDispatcher::processEvents(QEventLoop::ProcessEventsFlags flags) {
    m_interrupted = false;
    emit awake();
    QCoreApplication::sendPostedEvents();
    if (m_interrupted)
        return false;
    const bool mayWait = flags.testFlag(QEventLoop::WaitForMoreEvents);
    const int timeout = mayWait ? waitMs() : 0;
    if (timeout != 0)
        emit aboutToBlock();
    std::array<epoll_event, kMostEvents> events{};
    int ready = epoll_wait(m_epoll, events.data(), kMostEvents, timeout);
    if (ready < 0)
        ready = 0; // interrupted by a signal: the loop asks again
    if (timeout != 0)
        emit awake();
    bool handled = false;
    for (int i = 0; i < ready; ++i) {
        const epoll_event &event = events[size_t(i)];
        if (event.data.fd == m_wake) {
            quint64 count = 0;
            (void)::read(m_wake, &count, sizeof count);
            continue;
        }
        handled = true;
        const qintptr fd = event.data.fd;
        if (event.events & (EPOLLIN | EPOLLHUP | EPOLLERR))
            activate(fd, &Watched::read);
        if (event.events & (EPOLLOUT | EPOLLHUP | EPOLLERR))
            activate(fd, &Watched::write);
        if (event.events & EPOLLPRI)
            activate(fd, &Watched::exception);
    }
    return fireTimers() || handled;
}
