// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "details/UserInfoImageCell.h"

#include "ui/Services.h"

UserInfoImageCell::UserInfoImageCell(const CardModel &model, const Services &services,
                                     QObject *parent)
    : QObject(parent)
    , m_scaler(services.photoScaler())
    , m_photos(services.photoDownloads()) {
    connect(&m_photos, &PagedPhotos::shownDecoded, this, &UserInfoImageCell::pageChanged);
    if (!model.images.isEmpty()) {
        QList<PhotoBatch::Page> pages;
        for (const QImage &image : model.images)
            pages.append({{}, image});
        setPages(std::move(pages));
    } else if (model.photoURLs && !model.photoURLs->isEmpty()) {
        m_loading = true;
        PhotoBatch::downloadPages(services.photoDownloads(), *model.photoURLs,
                                  PagedPhotos::kDecodedAtFirst, this,
                                  [this](QList<PhotoBatch::Page> pages) {
                                      m_loading = false;
                                      setPages(std::move(pages));
                                  });
    }
}

void UserInfoImageCell::setPages(QList<PhotoBatch::Page> pages) {
    m_photos.setPages(std::move(pages));
    Q_EMIT imagesChanged();
    show(0);
}

void UserInfoImageCell::show(int index) {
    m_currentIndex = index;
    m_photos.show(index);
    Q_EMIT pageChanged();
}

void UserInfoImageCell::tap(qreal x, qreal width) {
    step(x < width / 2 ? -1 : 1);
}

void UserInfoImageCell::step(int direction) {
    const int next = m_currentIndex + (direction < 0 ? -1 : 1);
    if (next >= 0 && next < count())
        show(next);
}
