// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FakeService.h"
#include "Fixtures.h"
#include "media/PhotoBatch.h"
#include "media/PhotoDownloader.h"

#include <QBuffer>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

class TestPhotoBatch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Even with nothing to fetch the answer comes later, on the main thread, exactly once.
    void answersLaterOnTheMainThread() {
        QObject context;
        int calls = 0;
        bool onMain = false;
        PhotoBatch::download(m_downloads, {QStringLiteral("nonsense"), QString()}, &context,
                             [&](QList<QImage> images) {
                                 ++calls;
                                 onMain = QThread::currentThread() == qApp->thread();
                                 QVERIFY(images.isEmpty());
                             });
        QCOMPARE(calls, 0);
        QTRY_COMPARE(calls, 1);
        QVERIFY(onMain);
        QTest::qWait(50);
        QCOMPARE(calls, 1);
    }

    // Other people's photos come no larger than a screen shows them, and one that would need
    // a huge buffer to decode is left out: a hostile account's photo cannot fill the memory.
    void largePhotosArriveShrunkAndHugeOnesNotAtAll() {
        FakeService service;
        QVERIFY(service.start());
        const auto encoded = [](QImage image, const char *format) {
            image.fill(Qt::darkGreen);
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, format);
            return bytes;
        };
        service.respond("big.jpg", 200, encoded(QImage(3200, 2400, QImage::Format_RGB32), "JPG"));
        service.respond("wide.png", 200, encoded(QImage(3000, 1000, QImage::Format_RGB32), "PNG"));
        service.respond("huge.png", 200, encoded(QImage(4200, 4200, QImage::Format_Mono), "PNG"));
        QObject context;
        std::optional<QList<QImage>> arrived;
        PhotoBatch::download(m_downloads,
                             {service.baseUrl() + "big.jpg", service.baseUrl() + "huge.png",
                              service.baseUrl() + "wide.png"},
                             &context, [&](QList<QImage> images) { arrived = images; });
        QTRY_VERIFY_WITH_TIMEOUT(arrived, 10000);
        QCOMPARE(arrived->size(), 2);
        QCOMPARE(arrived->at(0).size(), QSize(1600, 1200));
        QCOMPARE(arrived->at(1).size(), QSize(1600, 533));
    }

    // Pages beyond the first keep only their bytes, unless the bytes are the larger: a small
    // picture padded to the download limit keeps its pixels instead, so padding cannot make a
    // card hold more than the pixels would.
    void pagesKeepWhicheverIsSmaller() {
        FakeService service;
        QVERIFY(service.start());
        const QByteArray small = Fixtures::png({4, 4}, Qt::red);
        const QByteArray padded = small + QByteArray(1024 * 1024, '\0');
        service.respond("padded.png", 200, padded);
        service.respond("photo.png", 200, Fixtures::png({100, 100}, Qt::green));
        QObject context;
        std::optional<QList<PhotoBatch::Page>> pages;
        PhotoBatch::downloadPages(m_downloads,
                                  {service.baseUrl() + "photo.png",
                                   service.baseUrl() + "padded.png",
                                   service.baseUrl() + "photo.png"},
                                  1, &context, [&](QList<PhotoBatch::Page> p) { pages = p; });
        QTRY_VERIFY(pages);
        QCOMPARE(pages->size(), 3);
        QCOMPARE(pages->at(0).image.size(), QSize(100, 100));
        QVERIFY(!pages->at(0).bytes.isEmpty());
        QCOMPARE(pages->at(1).image.size(), QSize(4, 4));
        QVERIFY(pages->at(1).bytes.isEmpty());
        QVERIFY(pages->at(2).image.isNull());
        QVERIFY(!pages->at(2).bytes.isEmpty());
    }

    void droppedWhenTheOwnerIsGone() {
        FakeService service;
        QVERIFY(service.start());
        service.respondDelayed("p.png", std::chrono::milliseconds(100), 200, Fixtures::png());
        auto context = std::make_unique<QObject>();
        bool called = false;
        PhotoBatch::download(m_downloads, {service.baseUrl() + "p.png"}, context.get(),
                             [&](QList<QImage>) { called = true; });
        QTRY_COMPARE(service.requests().size(), 1);
        context.reset();
        QTest::qWait(300);
        QVERIFY(!called);
    }

private:
    PhotoDownloader m_downloads;
};

QTEST_MAIN(TestPhotoBatch)
#include "tst_photobatch.moc"
