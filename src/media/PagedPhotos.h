// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "media/PhotoBatch.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QSet>

// The photos of one profile paged through one at a time. A photo kept with its bytes holds its
// pixels only while it is the first, the one shown or the next: the first for whatever shows
// the profile's picture, the next so paging forward finds it ready. A photo paged to again is
// decoded anew from its bytes, once however often it is asked for. Six photos of the largest
// size the service keeps would otherwise hold 44 MiB. A photo kept as pixels alone (see
// PhotoBatch::downloadPages) keeps them. Main thread only.
class PagedPhotos : public QObject {
    Q_OBJECT
public:
    /// Pages decoded from the start: the first and the next.
    static constexpr int kDecodedAtFirst = 2;

    /// Pages are decoded again on that thread.
    explicit PagedPhotos(PhotoDownloader &downloads, QObject *parent = nullptr);

    void setPages(QList<PhotoBatch::Page> pages);
    [[nodiscard]] int count() const { return static_cast<int>(m_pages.size()); }
    /// The pixels of a page; null while they are being decoded again or out of range.
    [[nodiscard]] QImage image(int index) const { return m_pages.value(index).image; }
    /// The pixels of the page shown; while they are being decoded again, those of the page
    /// shown before, so a view paged back draws no blank frame in between.
    [[nodiscard]] QImage shownImage() const;
    [[nodiscard]] QList<QImage> images() const;
    /// The page now shown: lets go of the pixels of the pages no longer near it and decodes
    /// those that are.
    void show(int index);

Q_SIGNALS:
    /// The pixels of the page shown arrived.
    void shownDecoded();

private:
    void take(int index, const QByteArray &bytes, QImage image);

    PhotoDownloader &m_downloads;
    QList<PhotoBatch::Page> m_pages;
    int m_shown = 0;
    QImage m_before;      // what was shown before a page that is being decoded again
    QSet<int> m_decoding; // pages whose pixels are on their way
};
