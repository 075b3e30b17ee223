#include "platform/BackgroundPriority.h"

#include <QImage>
#include <QSemaphore>
#include <QTest>
#include <QThreadPool>
#include <memory>
#include <sys/resource.h>
#include <thread>

// The weight of background photo work must not leak into the photo work the user waits for.
class TestBackgroundPriority : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A lowered thread converts and scales a camera-sized picture, which Qt spreads over its
    // shared pool; afterwards every pool thread still runs at the normal weight.
    void loweredWorkLeavesTheSharedPoolAtNormalWeight() {
        BackgroundPriority::settleSharedWorkers();
        std::thread lowered([] {
            BackgroundPriority::lowerThisThread();
            QImage picture(4000, 3000, QImage::Format_ARGB32);
            picture.fill(Qt::darkCyan);
            (void)picture.convertToFormat(QImage::Format_RGB888)
                .scaled(1000, 750, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        });
        lowered.join();

        QThreadPool *pool = QThreadPool::globalInstance();
        const int count = pool->maxThreadCount();
        auto started = std::make_shared<QSemaphore>();
        auto go = std::make_shared<QSemaphore>();
        auto weights = std::make_shared<QList<int>>();
        auto guard = std::make_shared<QMutex>();
        // Each task keeps its thread until all have one, so every pool thread reports.
        for (int i = 0; i < count; ++i) {
            pool->start([=] {
                {
                    QMutexLocker lock(guard.get());
                    weights->append(getpriority(PRIO_PROCESS, 0));
                }
                started->release();
                go->acquire();
            });
        }
        started->acquire(count);
        go->release(count);
        pool->waitForDone();
        QCOMPARE(*weights, QList<int>(count, 0));
    }
};

QTEST_GUILESS_MAIN(TestBackgroundPriority)
#include "tst_backgroundpriority.moc"
