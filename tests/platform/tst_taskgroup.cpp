// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/TaskGroup.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <atomic>

class TestTaskGroup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The owner goes only after every task it started has ended, also one a task started while
    // the owner was already waiting: that is what keeps work off services that are gone.
    void theOwnerWaitsForEveryTask() {
        std::atomic<int> ended = 0;
        QSemaphore go;
        {
            TaskGroup tasks;
            for (int i = 0; i < 3; ++i) {
                tasks.run([&] {
                    go.acquire();
                    QThread::msleep(20);
                    ++ended;
                });
            }
            tasks.run([&] {
                go.acquire();
                tasks.run([&] {
                    QThread::msleep(50);
                    ++ended;
                });
                ++ended;
            });
            QTest::qWait(20);
            QCOMPARE(ended.load(), 0);
            go.release(4);
        }
        QCOMPARE(ended.load(), 5);

        TaskGroup reused;
        reused.run([&] { ++ended; });
        reused.wait();
        QCOMPARE(ended.load(), 6);
    }
};

QTEST_GUILESS_MAIN(TestTaskGroup)
#include "tst_taskgroup.moc"
