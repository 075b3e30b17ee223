// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/PagedPhotos.h"

namespace {
bool keepsPixels(int page, int shown) {
    return page == 0 || page == shown || page == shown + 1;
}
} // namespace

PagedPhotos::PagedPhotos(PhotoDownloader &downloads, QObject *parent)
    : QObject(parent)
    , m_downloads(downloads) {}

void PagedPhotos::setPages(QList<PhotoBatch::Page> pages) {
    m_pages = std::move(pages);
    m_decoding.clear();
    m_before = QImage();
}

QImage PagedPhotos::shownImage() const {
    const QImage shown = image(m_shown);
    return shown.isNull() && m_decoding.contains(m_shown) ? m_before : shown;
}

QList<QImage> PagedPhotos::images() const {
    return PhotoBatch::imagesOf(m_pages);
}

void PagedPhotos::show(int index) {
    const QImage before = shownImage();
    m_shown = index;
    for (int i = 0; i < count(); ++i) {
        PhotoBatch::Page &page = m_pages[i];
        // A photo given as pixels alone has nothing to be decoded again from.
        if (page.bytes.isEmpty())
            continue;
        if (!keepsPixels(i, index)) {
            page.image = QImage();
        } else if (page.image.isNull() && !m_decoding.contains(i)) {
            m_decoding.insert(i);
            PhotoBatch::decode(
                m_downloads, page.bytes, this,
                [this, i, bytes = page.bytes](QImage image) { take(i, bytes, std::move(image)); });
        }
    }
    // Held only while the page shown waits for its pixels: a photo let go stays let go.
    m_before = m_decoding.contains(index) ? before : QImage();
}

void PagedPhotos::take(int index, const QByteArray &bytes, QImage image) {
    m_decoding.remove(index);
    // The pages may have been replaced, or the user paged on, while the photo decoded.
    if (index >= count() || m_pages.at(index).bytes != bytes || !keepsPixels(index, m_shown))
        return;
    m_pages[index].image = std::move(image);
    if (index == m_shown) {
        m_before = QImage();
        Q_EMIT shownDecoded();
    }
}
