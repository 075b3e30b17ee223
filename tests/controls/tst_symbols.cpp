// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/SymbolIcons.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
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

        QCOMPARE(centre(SymbolIcons::render(QStringLiteral("star.fill"), Qt::blue, false, kSize)),
                 QColor(Qt::blue));
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
};

QTEST_MAIN(TestSymbols)
#include "tst_symbols.moc"
