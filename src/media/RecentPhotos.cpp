// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/RecentPhotos.h"

namespace {
QString key(const QStringList &addresses) {
    return addresses.join(QLatin1Char('\n'));
}
} // namespace

std::optional<QList<PhotoBatch::Page>> RecentPhotos::photos(const QStringList &addresses) {
    if (const QList<PhotoBatch::Page> *kept = m_cards.object(key(addresses)))
        return *kept;
    return std::nullopt;
}

void RecentPhotos::remember(const QStringList &addresses, QList<PhotoBatch::Page> photos) {
    if (addresses.isEmpty() || photos.size() != addresses.size())
        return;
    // A photo kept as pixels alone has nothing to be decoded again from.
    for (qsizetype i = 1; i < photos.size(); ++i) {
        if (!photos[i].bytes.isEmpty())
            photos[i].image = QImage();
    }
    qsizetype cost = 0;
    for (const PhotoBatch::Page &page : std::as_const(photos))
        cost += page.bytes.size() + ImageBudget::costOf(page.image);
    m_cards.insert(key(addresses), new QList<PhotoBatch::Page>(std::move(photos)), cost);
}
