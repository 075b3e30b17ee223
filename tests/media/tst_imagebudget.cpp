// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/ImageBudget.h"
#include "media/PhotoScaler.h"
#include "media/RecentPhotos.h"

#include <QTest>
#include <cmath>

namespace {
// A square picture of about that many mebibytes of pixels.
QImage picture(int mebibytes) {
    const int side = int(std::sqrt(double(mebibytes) * ImageBudget::kMiB / 4));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::darkCyan);
    return image;
}
} // namespace

// Caches of pixels keep what they can within their share, however large the pictures are: a
// cache that counted pictures instead grew with their size, by tens of megabytes on a big
// screen.
class TestImageBudget : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recentCardsStayWithinTheirShare() {
        RecentPhotos recent;
        QList<QStringList> cards;
        qsizetype kept = 0;
        for (int i = 0; i < 8; ++i) {
            cards.append({QStringLiteral("https://photos.example/%1.jpg").arg(i)});
            recent.remember(cards.last(), {{QByteArray(1000, 'x'), picture(8)}});
        }
        for (const QStringList &card : std::as_const(cards))
            kept += recent.photos(card).has_value() ? 1 : 0;
        QVERIFY(recent.photos(cards.last()).has_value()); // the card just dealt is kept
        QVERIFY(!recent.photos(cards.first()).has_value());
        QVERIFY2(kept * 8 * ImageBudget::kMiB <= ImageBudget::kRecentCards,
                 qPrintable(QStringLiteral("%1 cards of 8 MiB kept").arg(kept)));
    }

    void shownPhotosStayWithinTheirShare() {
        PhotoScaler scaler;
        const PhotoScaler::Look look{{600, 800}, 8, true};
        QList<QImage> photos;
        qsizetype kept = 0;
        for (int i = 0; i < 8; ++i) {
            photos.append(picture(1));
            scaler.keepShown(photos.last(), look, picture(4));
        }
        for (const QImage &photo : std::as_const(photos))
            kept += scaler.cached(photo, look).has_value() ? 1 : 0;
        QVERIFY(scaler.cached(photos.last(), look).has_value());
        QVERIFY2(kept * 4 * ImageBudget::kMiB <= ImageBudget::kShownPhotos,
                 qPrintable(QStringLiteral("%1 photos of 4 MiB kept").arg(kept)));
    }
};

QTEST_GUILESS_MAIN(TestImageBudget)
#include "tst_imagebudget.moc"
