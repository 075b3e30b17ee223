// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/BackgroundPriority.h"

#include <QSemaphore>
#include <QThreadPool>
#include <QtGlobal>
#include <memory>

#if defined(Q_OS_LINUX)
#include <sys/resource.h>
#endif

void BackgroundPriority::lowerThisThread() {
#if defined(Q_OS_LINUX)
    // On Linux the nice value belongs to the thread that sets it. Ten gives the thread about a
    // tenth of the weight of one at zero while both want a core.
    setpriority(PRIO_PROCESS, 0, 10);
#endif
}

void BackgroundPriority::settleSharedWorkers() {
    // A thread inherits the weight of the thread that starts it, and Qt starts a shared pool
    // thread from whichever thread first needs one: a large picture converted on a lowered
    // thread (Qt splits that work over the pool) would leave lowered threads in the pool for
    // the photo work the user waits for. Each task here holds its thread until all have one,
    // so the pool starts every thread it may have now, from here; they are never retired.
    QThreadPool *pool = QThreadPool::globalInstance();
    pool->setExpiryTimeout(-1);
    const int count = pool->maxThreadCount();
    auto started = std::make_shared<QSemaphore>();
    auto go = std::make_shared<QSemaphore>();
    for (int i = 0; i < count; ++i) {
        pool->start([started, go] {
            started->release();
            go->acquire();
        });
    }
    started->acquire(count);
    go->release(count);
}
