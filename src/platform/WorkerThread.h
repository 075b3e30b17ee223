// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>

// A thread of its own with one object living on it, on which queued work runs in order. It
// stops when the application is about to quit: the work under way ends while the application
// still exists, and what is still queued is dropped. Left running into the teardown of the
// process, work there reached image plugins that were already unloaded, and crashed on quit.
class WorkerThread {
public:
    explicit WorkerThread(const QString &name);
    ~WorkerThread();
    WorkerThread(const WorkerThread &) = delete;
    WorkerThread &operator=(const WorkerThread &) = delete;

    /// Queues work after everything queued before it; once the thread has stopped, it is dropped.
    void post(std::function<void()> work);
    /// The object living on the thread: parent and context of what the work makes there.
    [[nodiscard]] QObject *context() const { return m_context; }
    [[nodiscard]] bool isCurrent() const { return QThread::currentThread() == &m_thread; }
    /// Lets the work under way end, drops the rest and waits for the thread.
    void stop();

private:
    QThread m_thread;
    QPointer<QObject> m_context;
    QMetaObject::Connection m_quitting;
};
