// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QQuickAsyncImageProvider>

class ImageCacheManager;

// Serves "image://cache/<percent-encoded photo address>" to QML through the image cache, so
// photos load without blocking and share the memory and disk copies of the rest of the client.
class CachedImageProvider : public QQuickAsyncImageProvider {
public:
    /// `cache` outlives the engine the provider is handed to.
    explicit CachedImageProvider(ImageCacheManager &cache)
        : m_cache(cache) {}

    QQuickImageResponse *requestImageResponse(const QString &id,
                                              const QSize &requestedSize) override;

private:
    ImageCacheManager &m_cache;
};
