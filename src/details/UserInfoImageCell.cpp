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
    step(x < width / 2 ? -1 : 1);
}

void UserInfoImageCell::step(int direction) {
    const int next = m_currentIndex + (direction < 0 ? -1 : 1);
    if (next >= 0 && next < count())
        show(next);
}
