#include "details/UserInfoImageCell.h"

#include "media/PhotoBatch.h"

UserInfoImageCell::UserInfoImageCell(const CardModel &model, QObject *parent)
    : QObject(parent) {
    if (!model.images.isEmpty()) {
        setImages(model.images);
    } else if (model.photoURLs && !model.photoURLs->isEmpty()) {
        m_loading = true;
        PhotoBatch::download(*model.photoURLs, this, [this](QList<QImage> images) {
            m_loading = false;
            setImages(std::move(images));
        });
    }
}

void UserInfoImageCell::setImages(QList<QImage> images) {
    m_images = std::move(images);
    Q_EMIT imagesChanged();
    show(0);
}

void UserInfoImageCell::show(int index) {
    m_currentIndex = index;
    Q_EMIT pageChanged();
}

void UserInfoImageCell::tap(qreal x, qreal width) {
    if (x < width / 2) {
        if (m_currentIndex > 0)
            show(m_currentIndex - 1);
    } else if (m_currentIndex < count() - 1) {
        show(m_currentIndex + 1);
    }
}
