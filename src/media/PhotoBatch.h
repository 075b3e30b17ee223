// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

class PhotoDownloader;

// Downloads a list of photo addresses in parallel with plain GETs and decodes them off the
// main thread. When every request has ended, the completion runs once on the main thread with
// the photos that arrived, in address order; invalid addresses, failed requests and bytes that
// are no picture are left out. It is dropped when the context is gone by then.
namespace PhotoBatch {
/// A photo that arrived, as bytes and, while they are kept, as pixels. A photo of the largest
/// size the service keeps takes 7 MiB decoded and a few hundred kilobytes as it came, so
/// photos that are not on screen are kept as they came and decoded again when shown.
struct Page {
    QByteArray bytes; // empty when only the pixels are kept
    QImage image;     // null when only the bytes are kept
};
/// The pixels of every page, null where only the bytes are kept.
[[nodiscard]] QList<QImage> imagesOf(const QList<Page> &pages);

void download(PhotoDownloader &downloads, const QStringList &addresses, QObject *context,
              std::function<void(QList<QImage>)> completion);
/// The same photos as pages: every one that decodes is a page, and the first `decodedPages`
/// of them keep their pixels. A photo whose bytes are larger than its pixels keeps only the
/// pixels, wherever it is.
void downloadPages(PhotoDownloader &downloads, const QStringList &addresses, int decodedPages,
                   QObject *context, std::function<void(QList<Page>)> completion);
/// Decodes a page's bytes again off the main thread; done runs on the main thread while the
/// context lives, with a null image when they are no picture.
void decode(PhotoDownloader &downloads, const QByteArray &bytes, QObject *context,
            std::function<void(QImage)> done);
/// Whether an address may be requested: https, or plain http to this machine only.
[[nodiscard]] bool isRequestable(const QUrl &url);
} // namespace PhotoBatch
