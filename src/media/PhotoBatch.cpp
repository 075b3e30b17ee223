#include "media/PhotoBatch.h"

#include "media/ImageCacheManager.h"
#include "media/ImageDecoder.h"
#include "media/PhotoDownloader.h"
#include "platform/NetworkAddress.h"

#include <QCoreApplication>
#include <QMutex>
#include <QPointer>
#include <QUrl>
#include <memory>

namespace {
// The slots of one batch; completions arrive on the downloader's thread.
struct Batch {
    QMutex mutex;
    QList<QImage> images;
    qsizetype pending = 0;
    QPointer<QObject> context;
    std::function<void(QList<QImage>)> completion;

    void deliver() {
        QList<QImage> arrived;
        for (const QImage &image : std::as_const(images)) {
            if (!image.isNull())
                arrived.append(image);
        }
        QMetaObject::invokeMethod(
            qApp,
            [context = context, completion = std::move(completion),
             arrived = std::move(arrived)]() mutable {
                if (context)
                    completion(std::move(arrived));
            },
            Qt::QueuedConnection);
    }
};
} // namespace

bool PhotoBatch::isRequestable(const QUrl &url) {
    // Other people's photo addresses come from the service: plain http to another host would
    // show whose photos the user looks at to everyone on the way.
    return NetworkAddress::mayFetch(url);
}

void PhotoBatch::download(const QStringList &addresses, QObject *context,
                          std::function<void(QList<QImage>)> completion) {
    auto batch = std::make_shared<Batch>();
    batch->images.resize(addresses.size());
    batch->context = context;
    batch->completion = std::move(completion);
    QList<std::pair<qsizetype, QUrl>> requests;
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        const QUrl url(addresses.at(i), QUrl::StrictMode);
        if (isRequestable(url))
            requests.append({i, url});
    }
    batch->pending = requests.size();
    if (requests.isEmpty()) {
        batch->deliver();
        return;
    }
    for (const auto &[slot, url] : std::as_const(requests)) {
        PhotoDownloader::shared().get(
            url, [batch, slot = slot](const QByteArray &body, const QString &error) {
                // Another person's photo is only ever shown: held larger, a huge one from a
                // hostile account would fill the memory of everyone its card reaches.
                const QImage image = error.isEmpty()
                                         ? ImageDecoder::decode(body, ImageCacheManager::shownEdge)
                                         : QImage();
                QMutexLocker lock(&batch->mutex);
                batch->images[slot] = image;
                if (--batch->pending == 0)
                    batch->deliver();
            });
    }
}
