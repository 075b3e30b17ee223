// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

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
// Another person's photo is only ever shown: held larger, a huge one from a hostile account
// would fill the memory of everyone its card reaches.
QImage decodeShown(const QByteArray &bytes) {
    return ImageDecoder::decode(bytes, ImageCacheManager::shownEdge);
}

// The slots of one batch; completions arrive on the downloader's thread.
struct Batch {
    QMutex mutex;
    QList<PhotoBatch::Page> pages;
    int decodedPages = 0;
    qsizetype pending = 0;
    QPointer<QObject> context;
    std::function<void(QList<PhotoBatch::Page>)> completion;

    void deliver() {
        QList<PhotoBatch::Page> arrived;
        for (PhotoBatch::Page page : std::as_const(pages)) {
            if (page.image.isNull())
                continue;
            // Bytes that take more room than their pixels (a small picture padded out by a
            // hostile account) are not kept: the pixels are, and for good.
            if (page.bytes.size() >= page.image.sizeInBytes())
                page.bytes.clear();
            else if (arrived.size() >= decodedPages)
                page.image = QImage();
            arrived.append(std::move(page));
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

void PhotoBatch::download(PhotoDownloader &downloads, const QStringList &addresses,
                          QObject *context, std::function<void(QList<QImage>)> completion) {
    downloadPages(downloads, addresses, int(addresses.size()), context,
                  [completion = std::move(completion)](const QList<Page> &pages) {
                      completion(imagesOf(pages));
                  });
}

QList<QImage> PhotoBatch::imagesOf(const QList<Page> &pages) {
    QList<QImage> images;
    images.reserve(pages.size());
    for (const Page &page : pages)
        images.append(page.image);
    return images;
}

void PhotoBatch::downloadPages(PhotoDownloader &downloads, const QStringList &addresses,
                               int decodedPages, QObject *context,
                               std::function<void(QList<Page>)> completion) {
    auto batch = std::make_shared<Batch>();
    batch->pages.resize(addresses.size());
    batch->decodedPages = decodedPages;
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
        downloads.get(url, [batch, slot = slot](const QByteArray &body, const QString &error) {
            Page page;
            if (error.isEmpty())
                page = {body, decodeShown(body)};
            QMutexLocker lock(&batch->mutex);
            batch->pages[slot] = std::move(page);
            if (--batch->pending == 0)
                batch->deliver();
        });
    }
}

void PhotoBatch::decode(PhotoDownloader &downloads, const QByteArray &bytes, QObject *context,
                        std::function<void(QImage)> done) {
    downloads.run([bytes, context = QPointer<QObject>(context), done = std::move(done)]() mutable {
        QMetaObject::invokeMethod(
            qApp,
            [context, done = std::move(done), image = decodeShown(bytes)] {
                if (context)
                    done(image);
            },
            Qt::QueuedConnection);
    });
}
