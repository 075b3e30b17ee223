// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

#include <utility>

// Answers from the network and the platform come on their own threads, often after the screen that
// asked is gone. The receiver is taken on the main thread when asking; each step of the answer then
// runs on the main thread, later in the event loop, and only while the receiver still exists.
template <class T> class MainThreadReceiver {
public:
    explicit MainThreadReceiver(T *receiver)
        : m_receiver(receiver) {}

    template <class Step> void post(Step step) const {
        QMetaObject::invokeMethod(
            qApp,
            [receiver = m_receiver, step = std::move(step)]() mutable {
                if (receiver)
                    step(*receiver);
            },
            Qt::QueuedConnection);
    }

    // For steps that may already be on the main thread: those run at once, because a hop through
    // the event loop lets the window draw a frame of the state before the answer first.
    template <class Step> void deliver(Step step) const {
        if (QThread::currentThread() != qApp->thread()) {
            post(std::move(step));
            return;
        }
        if (m_receiver)
            step(*m_receiver);
    }

private:
    QPointer<T> m_receiver;
};
