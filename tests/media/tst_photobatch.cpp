#include "FakeService.h"
#include "Fixtures.h"
#include "media/PhotoBatch.h"

#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QUrl>

class TestPhotoBatch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Plain http only to this machine: anywhere else the photos travel for all to see.
    void onlyPrivateWebAddressesAreRequested() {
        QVERIFY(PhotoBatch::isRequestable(QUrl("https://cdn.example/p/1.heic?size=2")));
        QVERIFY(PhotoBatch::isRequestable(QUrl("HTTP://127.0.0.1:8765/a.jpg")));
        QVERIFY(!PhotoBatch::isRequestable(QUrl("http://cdn.example/p/1.jpg")));
        QVERIFY(!PhotoBatch::isRequestable(QUrl("http://10.0.0.7/p/1.jpg")));
        QVERIFY(!PhotoBatch::isRequestable(QUrl("file:///etc/passwd")));
        QVERIFY(!PhotoBatch::isRequestable(QUrl("/relative/path.jpg")));
        QVERIFY(!PhotoBatch::isRequestable(QUrl("http://")));
        QVERIFY(!PhotoBatch::isRequestable(QUrl()));
    }

    // Even with nothing to fetch the answer comes later, on the main thread, exactly once.
    void answersLaterOnTheMainThread() {
        QObject context;
        int calls = 0;
        bool onMain = false;
        PhotoBatch::download({QStringLiteral("nonsense"), QString()}, &context,
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

    void droppedWhenTheOwnerIsGone() {
        FakeService service;
        QVERIFY(service.start());
        service.respondDelayed("p.png", std::chrono::milliseconds(100), 200, Fixtures::png());
        auto context = std::make_unique<QObject>();
        bool called = false;
        PhotoBatch::download({service.baseUrl() + "p.png"}, context.get(),
                             [&](QList<QImage>) { called = true; });
        QTRY_COMPARE(service.requests().size(), 1);
        context.reset();
        QTest::qWait(300);
        QVERIFY(!called);
    }
};

QTEST_MAIN(TestPhotoBatch)
#include "tst_photobatch.moc"
