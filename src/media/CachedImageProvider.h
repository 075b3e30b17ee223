#pragma once

#include <QQuickAsyncImageProvider>

// Serves "image://cache/<percent-encoded photo address>" to QML through the image cache, so
// photos load without blocking and share the memory and disk copies of the rest of the client.
class CachedImageProvider : public QQuickAsyncImageProvider {
public:
    QQuickImageResponse *requestImageResponse(const QString &id,
                                              const QSize &requestedSize) override;
};
