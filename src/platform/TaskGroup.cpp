// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/TaskGroup.h"

#include <QtConcurrent/QtConcurrentRun>

TaskGroup::~TaskGroup() {
    wait();
}

void TaskGroup::run(std::function<void()> work) {
    QFuture<void> started = QtConcurrent::run(std::move(work));
    QMutexLocker lock(&m_mutex);
    // Forgetting what has ended keeps the list as short as the work under way.
    m_running.removeIf([](const QFuture<void> &task) { return task.isFinished(); });
    m_running.append(std::move(started));
}

void TaskGroup::wait() {
    for (;;) {
        QList<QFuture<void>> running;
        {
            QMutexLocker lock(&m_mutex);
            running.swap(m_running);
        }
        if (running.isEmpty())
            return;
        for (QFuture<void> &task : running)
            task.waitForFinished();
    }
}
