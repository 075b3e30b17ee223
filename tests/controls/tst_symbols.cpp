// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/SymbolCache.h"
#include "controls/SymbolIcons.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QSize kSize(40, 40);

QImage drawn(const char *symbol, const QColor &color) {
    return SymbolIcons::draw(SymbolIcons::source(QString::fromLatin1(symbol), color, false), kSize,
                             color.alphaF());
}

QColor centre(const QImage &image) {
    return image.pixelColor(image.width() / 2, image.height() / 2);
}
} // namespace

class TestSymbols : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Symbols come out of the SVG reader plugin at the size asked for, in the tint, with the
    // tint's alpha as their opacity; unknown names and empty sizes draw nothing.
    void symbolsAreDrawnTintedAtTheirSize() {
        const QImage heart = drawn("heart.fill", QColor(0x26, 0xc4, 0x85));
        QCOMPARE(heart.size(), kSize);
        QCOMPARE(centre(heart), QColor(0x26, 0xc4, 0x85));
        QCOMPARE(heart.pixelColor(0, 0).alpha(), 0);

        const QImage faded = drawn("heart.fill", QColor(0x26, 0xc4, 0x85, 128));
        QVERIFY(qAbs(centre(faded).alpha() - 128) <= 2);

        // Bold symbols are drawn with heavier strokes.
        const QByteArray thin = SymbolIcons::source(QStringLiteral("xmark"), Qt::red, false);
        const QByteArray bold = SymbolIcons::source(QStringLiteral("xmark"), Qt::red, true);
        const auto covered = [](const QImage &image) {
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    count += image.pixelColor(x, y).alpha() > 128;
            return count;
        };
        QVERIFY(covered(SymbolIcons::draw(bold, kSize, 1)) >
                covered(SymbolIcons::draw(thin, kSize, 1)));

        QVERIFY(SymbolIcons::source(QStringLiteral("no.such.symbol"), Qt::red, false).isEmpty());
        QVERIFY(
            SymbolIcons::render(QStringLiteral("no.such.symbol"), Qt::red, false, kSize).isNull());
        QVERIFY(SymbolIcons::render(QStringLiteral("xmark"), Qt::red, false, QSize()).isNull());
        QVERIFY(SymbolIcons::draw("<svg", kSize, 1).isNull());
    }

    // A name the screens ask for without a drawing behind it shows as an empty space, and
    // nothing reports it.
    void everySymbolTheScreensNameHasADrawing() {
        const QRegularExpression named(QStringLiteral(R"(image://symbol/([A-Za-z0-9.]+))"));
        QStringList unknown;
        int seen = 0;
        QDirIterator files(QStringLiteral(ZIREL_SOURCE_DIR),
                           {QStringLiteral("*.qml"), QStringLiteral("*.cpp")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (const QRegularExpressionMatch &match :
                 named.globalMatch(QString::fromUtf8(file.readAll()))) {
                ++seen;
                if (SymbolIcons::source(match.captured(1), Qt::black, false).isEmpty())
                    unknown << match.captured(1);
            }
        }
        QVERIFY(seen > 10);
        QCOMPARE(unknown, QStringList());
    }

    // A drawing is kept under its source and size, read back as drawn, and a missing, cut or
    // damaged file is a miss rather than a wrong picture.
    void drawingsAreKeptAndDamagedFilesMissed() {
        QTemporaryDir dir;
        SymbolCache cache(dir.path() + QStringLiteral("/Symbols"), std::chrono::milliseconds(0));
        const QByteArray svg = SymbolIcons::source(QStringLiteral("flame.fill"), Qt::red, false);
        const QImage image = SymbolIcons::draw(svg, kSize, 1);
        QVERIFY(!cache.find(svg, kSize, 1));

        cache.store(svg, 1, image);
        const QString path = *cache.filePath(svg, kSize, 1);
        QTRY_VERIFY(QFile::exists(path));
        QCOMPARE(cache.find(svg, kSize, 1), image);
        QVERIFY(!cache.find(svg, QSize(41, 41), 1));
        QVERIFY(!cache.find(svg, kSize, 0.5));
        QVERIFY(cache.filePath(svg, kSize, 1) != cache.filePath(svg + ' ', kSize, 1));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray good = file.readAll();
        QVERIFY(file.seek(good.size() / 2));
        QVERIFY(file.write("\x01", 1) == 1);
        file.close();
        QVERIFY(!cache.find(svg, kSize, 1));
        QVERIFY(file.resize(good.size() - 4));
        QVERIFY(!cache.find(svg, kSize, 1));

        QVERIFY(!SymbolCache(std::nullopt).find(svg, kSize, 1));
    }

    // The client draws a symbol once; later it comes from the file, so what is stored is what
    // a later run shows.
    void renderServesStoredDrawings() {
        const QByteArray svg = SymbolIcons::source(QStringLiteral("star.fill"), Qt::blue, false);
        const QString path = *SymbolCache::shared().filePath(svg, kSize, 1);
        QFile::remove(path);
        const QImage first =
            SymbolIcons::render(QStringLiteral("star.fill"), Qt::blue, false, kSize);
        QCOMPARE(centre(first), QColor(Qt::blue));

        // Another writer into the same directory, quicker than the client's.
        SymbolCache writer(QFileInfo(path).path(), std::chrono::milliseconds(0));
        QImage marked(kSize, QImage::Format_ARGB32_Premultiplied);
        marked.fill(Qt::green);
        writer.store(svg, 1, marked);
        QTRY_VERIFY(QFile::exists(path));
        QCOMPARE(SymbolIcons::render(QStringLiteral("star.fill"), Qt::blue, false, kSize), marked);

        // The client's drawings wait past the start-up, and are written at quit if that comes
        // first.
        QStringList paths{*SymbolCache::shared().filePath(svg, QSize(12, 12), 1)};
        QFile::remove(paths.last());
        QVERIFY(
            !SymbolIcons::render(QStringLiteral("star.fill"), Qt::blue, false, {12, 12}).isNull());
        const QByteArray house = SymbolIcons::source(QStringLiteral("house"), Qt::blue, false);
        paths.append(*SymbolCache::shared().filePath(house, kSize, 1));
        QFile::remove(paths.last());
        QVERIFY(!SymbolIcons::render(QStringLiteral("house"), Qt::blue, false, kSize).isNull());
        QTest::qWait(100);
        for (const QString &waiting : paths)
            QVERIFY(!QFile::exists(waiting));
        QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit",
                                  Qt::DirectConnection);
        for (const QString &written : paths)
            QVERIFY2(QFile::exists(written), qPrintable(written));
    }
};

QTEST_MAIN(TestSymbols)
#include "tst_symbols.moc"
