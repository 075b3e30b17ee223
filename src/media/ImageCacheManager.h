// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "media/ImageBudget.h"
#include "media/PhotoProcessor.h"

#include <QCache>
#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QString>
#include <functional>
#include <optional>

class PhotoDownloader;

// Turns a photo address into a decoded image: memory first, then the file of the address in
// the cache directory, then a download. Every answer arrives on the main thread, also for
// memory hits. Downloaded bytes are kept as received; the directory is trimmed to
// maxCacheSize, oldest files first, after each write. Decoded images are kept up to a byte
// budget, the least recently used dropped first, so a long session of swiping stays bounded.
class ImageCacheManager {
public:
    using Completion = std::function<void(std::optional<QImage>)>;
    static constexpr qint64 maxCacheSize = 10485760;
    /// Bytes of decoded pixels kept in memory: about a hundred card photos.
    static constexpr qint64 defaultMemoryBudget = ImageBudget::kDecodedPhotos;

    /// The longest edge of a photo as it is kept and handed out: the service keeps none larger
    /// and no view shows one larger, so a bigger picture is shrunk while or right after it is
    /// decoded instead of filling the memory budget with pixels nobody sees.
    static constexpr int shownEdge =
        qMax(PhotoProcessor::kMaxSize.width(), PhotoProcessor::kMaxSize.height());

    /// Reads, downloads and decodes on that thread; the cache directory, or nothing for a cache
    /// that lives in memory only. The downloads' thread must end before this cache does.
    ImageCacheManager(PhotoDownloader &downloads, std::optional<QString> directory,
                      qint64 memoryBudget = defaultMemoryBudget);
    /// The user's cache folder for photos; nothing when the system names none.
    [[nodiscard]] static std::optional<QString> defaultDirectory();

    void loadImage(const QString &url, Completion completion);
    /// Puts the photo of an address on disk when it is not there yet, keeping no pixels: for a
    /// photo a screen will want later, not now. A screen asking for it before the download ends
    /// is answered from that download.
    void prefetch(const QString &url);

    [[nodiscard]] std::optional<QString> diskCacheDirectory() const { return m_directory; }
    /// Name of the file that holds the bytes of an address (every non-alphanumeric character
    /// percent-encoded, then ".heic").
    [[nodiscard]] static QString fileName(const QString &url);
    /// Full path of that file, or nothing without a directory.
    [[nodiscard]] std::optional<QString> filePath(const QString &url) const;

    struct Entry {
        QString path;
        std::optional<qint64> size;
        std::optional<QDateTime> modified;
    };
    /// Removes the oldest entries (those without a date first) until the total is within the
    /// limit. remove returns false with an error text when a file stays.
    static void evict(QList<Entry> entries, qint64 limit,
                      const std::function<bool(const QString &, QString *)> &remove);
    /// Lists the directory and trims it.
    void cleanUp() const;

private:
    void download(const QString &url, const QUrl &parsed);
    /// Keeps a decoded photo that someone waits for (an image larger than the whole budget is
    /// not kept) and answers everyone waiting for the address.
    void finish(const QString &url, const std::optional<QImage> &image);
    void storeDownload(const QString &url, const QByteArray &bytes);
    static void answer(const Completion &completion, std::optional<QImage> image);

    PhotoDownloader &m_downloads;
    std::optional<QString> m_directory;
    QMutex m_mutex;                   // the memory cache is filled from the download thread too
    QCache<QString, QImage> m_memory; // cost: bytes of pixels
    QHash<QString, QList<Completion>> m_loading; // the addresses being read or downloaded
};
