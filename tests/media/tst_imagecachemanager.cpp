// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FakeService.h"
#include "Fixtures.h"
#include "StdoutCapture.h"
#include "media/ImageCacheManager.h"
#include "media/ImageDecoder.h"
#include "media/PhotoDownloader.h"
#include "platform/NetworkAddress.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <sys/resource.h>

namespace {
long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Loads and waits for the answer, checking it arrives on the main thread after the call.
std::optional<QImage> load(ImageCacheManager &cache, const QString &url) {
    bool answered = false;
    bool onMain = false;
    std::optional<QImage> result;
    cache.loadImage(url, [&](std::optional<QImage> image) {
        answered = true;
        onMain = QThread::currentThread() == qApp->thread();
        result = std::move(image);
    });
    if (answered)
        qFatal("answered inside the call");
    if (!QTest::qWaitFor([&] { return answered; }, 5000) || !onMain)
        qFatal("no answer on the main thread");
    return result;
}
} // namespace

class TestImageCacheManager : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // File names encode everything but letters and digits; an address too long for a file name
    // is cached under its hash, and still found again.
    void fileNamesEncodeTheAddressOrHashALongOne() {
        QCOMPARE(ImageCacheManager::fileName("http://h/a.jpg?x=1&y=2"),
                 "http%3A%2F%2Fh%2Fa%2Ejpg%3Fx%3D1%26y%3D2.heic");
        FakeService service;
        QVERIFY(service.start());
        service.respond("photo.png", 200, Fixtures::png());
        const QString url = service.baseUrl() + "photo.png?sig=" + QString(214, u'ж');
        const QString name = ImageCacheManager::fileName(url);
        QVERIFY(name.toUtf8().size() <= 255);
        QVERIFY(ImageCacheManager::fileName(url + "x") != name);
        QTemporaryDir dir;
        {
            ImageCacheManager cache(m_downloads, dir.path());
            QVERIFY(load(cache, url));
            QTRY_VERIFY(QFile::exists(*cache.filePath(url)));
        }
        ImageCacheManager restarted(m_downloads, dir.path());
        QVERIFY(load(restarted, url));
        QCOMPARE(service.requests().size(), 1);
    }

    void memoryThenDiskThenNetwork() {
        FakeService service;
        QVERIFY(service.start());
        service.respond("photo.png", 200, Fixtures::png());
        service.respond("page.html", 200, "<html>error</html>");
        QTemporaryDir dir;
        const QString url = service.baseUrl() + "photo.png?size=2&v=1";
        {
            ImageCacheManager cache(m_downloads, dir.path());
            QCOMPARE(load(cache, url)->size(), QSize(8, 6));
            QCOMPARE(service.requests().size(), 1);
            QVERIFY(QFile::exists(*cache.filePath(url)));
            QFile::remove(*cache.filePath(url));
            QVERIFY(load(cache, url)); // memory: neither disk nor network
            QCOMPARE(service.requests().size(), 1);
            QVERIFY(!load(cache, service.baseUrl() + "page.html"));
            QVERIFY(!QFile::exists(*cache.filePath(service.baseUrl() + "page.html")));
            QVERIFY(!load(cache, service.baseUrl() + "missing.png"));
            QVERIFY(!load(cache, "not a url"));
        }
        ImageCacheManager restarted(m_downloads, dir.path());
        QVERIFY(load(restarted, url)); // downloaded again: the file was removed above
        ImageCacheManager again(m_downloads, dir.path());
        QVERIFY(load(again, url));
        QCOMPARE(service.requests().size(), 4);
        QVERIFY(!load(again, service.baseUrl() + "page.html"));
        QCOMPARE(service.requests().size(), 5); // HTML was kept nowhere
    }

    // A prefetch puts a picture on disk and nothing else there, and asks nothing for a photo
    // already on disk.
    void prefetchFillsOnlyTheDisk() {
        FakeService service;
        QVERIFY(service.start());
        service.respond("photo.png", 200, Fixtures::png());
        service.respond("page.html", 200, "<html>error</html>");
        QTemporaryDir dir;
        ImageCacheManager cache(m_downloads, dir.path());
        const QString photo = service.baseUrl() + "photo.png";
        const QString page = service.baseUrl() + "page.html";
        cache.prefetch(photo);
        cache.prefetch(page);
        cache.prefetch("file:///etc/hostname");
        QTRY_VERIFY(QFile::exists(*cache.filePath(photo)));
        QTRY_COMPARE(service.requests().size(), 2);
        cache.prefetch(photo);
        QTest::qWait(100);
        QCOMPARE(service.requests().size(), 2);
        QVERIFY(!QFile::exists(*cache.filePath(page)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
        QCOMPARE(load(cache, photo)->size(), QSize(8, 6)); // from disk
        QCOMPARE(service.requests().size(), 2);
    }

    // Screens asking for one photo at the same time, or while it is being prefetched, share
    // one download and one decode, a failure reaches them all, and the next ask tries again.
    void simultaneousAsksShareOneLoad() {
        FakeService service;
        QVERIFY(service.start());
        QTemporaryDir dir;
        ImageCacheManager cache(m_downloads, dir.path());
        const QString url = service.baseUrl() + "photo.png";
        const auto askTwice = [&] {
            QList<std::optional<QImage>> answers;
            for (int i = 0; i < 2; ++i)
                cache.loadImage(url, [&](std::optional<QImage> image) { answers.append(image); });
            if (!QTest::qWaitFor([&] { return answers.size() == 2; }, 5000))
                answers.clear();
            return answers;
        };
        service.respondDelayed("photo.png", std::chrono::milliseconds(200), 500, "{}");
        QCOMPARE(askTwice(), (QList<std::optional<QImage>>{std::nullopt, std::nullopt}));
        QCOMPARE(service.requests().size(), 1);
        service.respondDelayed("photo.png", std::chrono::milliseconds(200), 200, Fixtures::png());
        const QList<std::optional<QImage>> answers = askTwice();
        QCOMPARE(answers.size(), 2);
        QVERIFY(answers[0] && answers[1] && answers[0]->size() == QSize(8, 6));
        QCOMPARE(service.requests().size(), 2);

        const QString other = service.baseUrl() + "other.png";
        service.respondDelayed("other.png", std::chrono::milliseconds(200), 500, "{}");
        cache.prefetch(other);
        QCOMPARE(load(cache, other), std::nullopt);
        service.respondDelayed("other.png", std::chrono::milliseconds(200), 200, Fixtures::png());
        cache.prefetch(other);
        QCOMPARE(load(cache, other)->size(), QSize(8, 6));
        QCOMPARE(service.requests().size(), 4);
    }

    // A photo address from the service or another person is fetched only over https, or over
    // plain http from this machine: a file: address neither reads the file nor copies it into
    // the cache.
    void onlyHttpsAndLoopbackHttpAreFetched() {
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        const QString local = elsewhere.filePath(QStringLiteral("private.png"));
        QFile file(local);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Fixtures::png());
        file.close();
        ImageCacheManager cache(m_downloads, dir.path());
        QVERIFY(!load(cache, QUrl::fromLocalFile(local).toString()));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());

        for (const char *refused :
             {"http://example.org/p.png", "http://192.168.1.2/p.png", "ftp://localhost/p.png",
              "data:image/png;base64,AAAA", "qrc:/Zirel/p.png", "https:///p.png", "/p.png", ""})
            QVERIFY2(!NetworkAddress::mayFetch(QUrl(QString::fromLatin1(refused))), refused);
        for (const char *allowed : {"https://cdn.example.org/p.png", "HTTP://127.0.0.1:8765/p.png",
                                    "http://localhost/p.png", "http://[::1]/p.png"})
            QVERIFY2(NetworkAddress::mayFetch(QUrl(QString::fromLatin1(allowed))), allowed);
    }

    // A photo answer of tens of megabytes is refused, neither decoded nor kept; so is a small
    // answer claiming more pixels than could be held, before any pixel is decoded; a large
    // picture is handed out and kept at the size photos are shown at.
    void oversizedPhotosAreRefusedOrShrunk() {
        FakeService service;
        QVERIFY(service.start());
        QByteArray huge = Fixtures::png();
        huge.append(QByteArray(24 * 1024 * 1024, '\0'));
        service.respond("huge.png", 200, huge);
        service.respond("flat.png", 200, Fixtures::bytes("flat-5600x5600.png"));
        service.respond("wide.jpg", 200, Fixtures::bytes("flat-5600x1400.jpg"));
        QTemporaryDir dir;
        ImageCacheManager cache(m_downloads, dir.path());
        // Decoded, the 100 KB picture would take 120 MB. Measured first, while the peak is low.
        const long peakBefore = peakResidentKiB();
        QVERIFY(!load(cache, service.baseUrl() + "flat.png"));
        QCOMPARE_LT(peakResidentKiB() - peakBefore, 40 * 1024);
        QVERIFY(!load(cache, service.baseUrl() + "huge.png"));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());

        const std::optional<QImage> wide = load(cache, service.baseUrl() + "wide.jpg");
        QVERIFY(wide);
        QCOMPARE(wide->size(),
                 QSize(ImageCacheManager::shownEdge, ImageCacheManager::shownEdge / 4));
        QCOMPARE(QColor(wide->pixel(10, 10)).green() / 16, 0xaa / 16);
        QCOMPARE(load(cache, service.baseUrl() + "wide.jpg")->size(), wide->size());
        QCOMPARE(service.requestsTo("wide.jpg").size(), 1);
        // The file keeps the bytes as they came; a fresh cache reads it as small again.
        ImageCacheManager restarted(m_downloads, dir.path());
        QCOMPARE(load(restarted, service.baseUrl() + "wide.jpg")->size(), wide->size());
        QCOMPARE(service.requestsTo("wide.jpg").size(), 1);
    }

    void memoryDropsTheLeastRecentlyUsedOverItsBudget() {
        FakeService service;
        QVERIFY(service.start());
        service.respond("photo.png", 200, Fixtures::png());
        const QString a = service.baseUrl() + "photo.png?a", b = service.baseUrl() + "photo.png?b";
        ImageCacheManager cache(m_downloads, std::nullopt,
                                2 * ImageDecoder::decode(Fixtures::png()).sizeInBytes());
        for (const QString &url : {a, b, a, service.baseUrl() + "photo.png?c", a, b})
            QVERIFY(load(cache, url));
        QCOMPARE(service.requests().size(), 4); // b made way for c, a was in use
    }

    void cleanUpRemovesOldestUntilWithinLimit() {
        QTemporaryDir dir;
        const QDateTime now = QDateTime::currentDateTime();
        for (int i = 0; i < 12; ++i) {
            QFile f(dir.filePath(QString::number(i)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(1024 * 1024, 'x'));
            f.setFileTime(now.addSecs(i == 5 ? -1000 : i), QFileDevice::FileModificationTime);
        }
        ImageCacheManager(m_downloads, dir.path()).cleanUp();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 10);
        QVERIFY(!QFile::exists(dir.filePath("5")) && !QFile::exists(dir.filePath("0")));

        QStringList removed;
        StdoutCapture out;
        ImageCacheManager::evict({{"a", 4, now}, {"b", 4, std::nullopt}, {"c", 4, now.addSecs(-5)}},
                                 6, [&](const QString &p, QString *error) {
                                     removed << p;
                                     *error = "busy";
                                     return p != "c";
                                 });
        QCOMPARE(removed, (QStringList{"b", "c", "a"}));
        QVERIFY(out.text().contains("Не удалось удалить файл file:c: busy"));
    }

private:
    PhotoDownloader m_downloads;
};

QTEST_MAIN(TestImageCacheManager)
#include "tst_imagecachemanager.moc"
