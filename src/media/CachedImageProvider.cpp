// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/CachedImageProvider.h"

#include "media/ImageCacheManager.h"

#include <QPointer>
#include <QQuickTextureFactory>
#include <QUrl>

namespace {
class CachedImageResponse : public QQuickImageResponse {
public:
    CachedImageResponse(ImageCacheManager &cache, const QString &url, QSize requestedSize) {
        QPointer<CachedImageResponse> self(this);
        cache.loadImage(url, [self, requestedSize](std::optional<QImage> image) {
            if (!self)
                return;
            if (!image) {
                self->m_error = QStringLiteral("Image could not be loaded");
            } else if (requestedSize.isValid() && !requestedSize.isEmpty()) {
                self->m_image = image->scaled(requestedSize, Qt::KeepAspectRatioByExpanding,
                                              Qt::SmoothTransformation);
            } else {
                self->m_image = *image;
            }
            Q_EMIT self->finished();
        });
    }
    QQuickTextureFactory *textureFactory() const override {
        return QQuickTextureFactory::textureFactoryForImage(m_image);
    }
    QString errorString() const override { return m_error; }

private:
    QImage m_image;
    QString m_error;
};
} // namespace

QQuickImageResponse *CachedImageProvider::requestImageResponse(const QString &id,
                                                               const QSize &requestedSize) {
    return new CachedImageResponse(m_cache, QUrl::fromPercentEncoding(id.toUtf8()), requestedSize);
}
