// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Result.h"

#include <QList>
#include <QMutex>
#include <QTest>
#include <QThread>
#include <functional>
#include <memory>

// Collects the results a network completion receives on the worker thread, with the thread
// each one ran on, so a test on the main thread can wait for them.
template <class T> class CompletionSpy {
public:
    [[nodiscard]] std::function<void(Result<T>)> callback() const {
        return [state = m_state](Result<T> result) {
            QMutexLocker locker(&state->mutex);
            state->results.append(std::move(result));
            state->threads.append(QThread::currentThread());
        };
    }

    [[nodiscard]] qsizetype count() const {
        QMutexLocker locker(&m_state->mutex);
        return m_state->results.size();
    }
    // Spins the main event loop until a result came or the time is up.
    [[nodiscard]] bool wait(int timeoutMs = 10000) const {
        return QTest::qWaitFor([this] { return count() > 0; }, timeoutMs);
    }
    // The first result; call only after wait() succeeded.
    [[nodiscard]] Result<T> result() const {
        QMutexLocker locker(&m_state->mutex);
        return m_state->results.first();
    }
    [[nodiscard]] QThread *thread() const {
        QMutexLocker locker(&m_state->mutex);
        return m_state->threads.first();
    }

private:
    struct State {
        mutable QMutex mutex;
        QList<Result<T>> results;
        QList<QThread *> threads;
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
};
