// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/PhotoProcessor.h"
#include "platform/BackgroundPriority.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSemaphore>
#include <QTest>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
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

    // Encoding a new profile photo is work the user waits for: no thread of the encoder may
    // lower itself, as x265's own worker pool does.
    void aPhotoIsEncodedAtNormalWeight() {
        QImage photo(1200, 1600, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y) {
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x % 251, y % 241, (x * y) % 239));
        }
        QFuture<QByteArray> encoded =
            QtConcurrent::run([photo] { return PhotoProcessor::encodeHeic(photo); });
        QSet<int> weights;
        while (!encoded.isFinished()) {
            const QStringList threads = QDir(QStringLiteral("/proc/self/task"))
                                            .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            for (const QString &thread : threads) {
                QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(thread));
                if (!stat.open(QIODevice::ReadOnly))
                    continue;
                // The name may hold spaces and parentheses; the fields after its last ")" are
                // the state (3rd) on, so the nice value (19th) is the 17th of them.
                const QByteArray line = stat.readAll();
                weights.insert(line.mid(line.lastIndexOf(')') + 2).split(' ').value(16).toInt());
            }
            QThread::msleep(5);
        }
        QVERIFY(!encoded.result().isEmpty());
        QCOMPARE(weights, QSet<int>{0});
    }
};

QTEST_MAIN(TestBackgroundPriority)
#include "tst_backgroundpriority.moc"
