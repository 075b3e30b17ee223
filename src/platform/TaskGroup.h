// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFuture>
#include <QList>
#include <QMutex>

#include <functional>

// Work run on the shared pool on behalf of an owner that outlives it: `wait()`, and the
// destructor, return only once every task started here has ended. The owner is destroyed before
// what the tasks use, so no task runs on into the teardown of the services, screens or plugins
// it reaches. Tasks may be started from any thread.
class TaskGroup {
public:
    TaskGroup() = default;
    ~TaskGroup();
    TaskGroup(const TaskGroup &) = delete;
    TaskGroup &operator=(const TaskGroup &) = delete;

    void run(std::function<void()> work);
    /// Returns once every task started here, also while waiting, has ended.
    void wait();

private:
    QMutex m_mutex;
    QList<QFuture<void>> m_running;
};
