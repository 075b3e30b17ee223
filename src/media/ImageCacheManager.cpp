// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/ImageCacheManager.h"

#include "media/ImageDecoder.h"
#include "media/PhotoDownloader.h"
#include "platform/DiagnosticLog.h"
#include "platform/NetworkAddress.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>
#include <algorithm>

ImageCacheManager::ImageCacheManager(PhotoDownloader &downloads, std::optional<QString> directory,
                                     qint64 memoryBudget)
    : m_downloads(downloads)
    , m_directory(std::move(directory))
    , m_memory(memoryBudget) {
    if (m_directory)
        QDir().mkpath(*m_directory); // a failure shows later as failed reads and writes
}

std::optional<QString> ImageCacheManager::defaultDirectory() {
    const QString caches = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (caches.isEmpty())
        return std::nullopt;
    return caches + QStringLiteral("/ImageCache");
}

QString ImageCacheManager::fileName(const QString &url) {
    QString encoded;
    bool valid = true;
    for (auto it = url.cbegin(); it != url.cend(); ++it) {
        char32_t code = it->unicode();
        if (it->isHighSurrogate() && it + 1 != url.cend() && (it + 1)->isLowSurrogate()) {
            code = QChar::surrogateToUcs4(*it, *(it + 1));
            ++it;
        } else if (it->isSurrogate()) {
            valid = false;
            break;
        }
        if (QChar::isLetterOrNumber(code)) {
            encoded += QString::fromUcs4(&code, 1);
            continue;
        }
        for (char byte : QString::fromUcs4(&code, 1).toUtf8())
            encoded +=
                QStringLiteral("%%1").arg(static_cast<uchar>(byte), 2, 16, QChar('0')).toUpper();
    }
    if (!valid)
        encoded = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    // File systems take names of at most 255 bytes; a longer address is named by its hash.
    constexpr qsizetype kLongestName = 255 - 5;
    if (encoded.toUtf8().size() > kLongestName)
        encoded = QString::fromLatin1(
            QCryptographicHash::hash(url.toUtf8(), QCryptographicHash::Sha256).toHex());
    return encoded + QStringLiteral(".heic");
}

std::optional<QString> ImageCacheManager::filePath(const QString &url) const {
    if (!m_directory)
        return std::nullopt;
    return *m_directory + QLatin1Char('/') + fileName(url);
}

void ImageCacheManager::answer(const Completion &completion, std::optional<QImage> image) {
    QMetaObject::invokeMethod(
        qApp, [completion, image = std::move(image)] { completion(image); }, Qt::QueuedConnection);
}

void ImageCacheManager::loadImage(const QString &url, Completion completion) {
    const QUrl parsed(url, QUrl::StrictMode);
    // Photo addresses come from the service and from other people's records: a file: address
    // would copy a local file into the cache, and plain http would show the user's interest to
    // the whole network.
    if (url.isEmpty() || !NetworkAddress::mayFetch(parsed)) {
        answer(completion, std::nullopt);
        return;
    }
    // Two screens asking for the same photo at once (the own photo at start) share one read
    // and one decode.
    {
        QMutexLocker lock(&m_mutex);
        if (const QImage *kept = m_memory.object(url)) { // also marks it as the most recently used
            answer(completion, *kept);
            return;
        }
        const bool underWay = m_loading.contains(url);
        m_loading[url].append(std::move(completion));
        if (underWay)
            return;
    }
    // A cached file is read and decoded on the download thread too: a large photo takes
    // milliseconds (a HEIC one tens of them) that the screen asking for it must not wait.
    m_downloads.run([this, url, parsed] {
        if (const std::optional<QString> path = filePath(url)) {
            QFile file(*path);
            if (file.open(QIODevice::ReadOnly)) {
                const QImage image = ImageDecoder::decode(file.readAll(), shownEdge);
                if (!image.isNull()) {
                    finish(url, image);
                    return;
                }
            }
        }
        download(url, parsed);
    });
}

void ImageCacheManager::prefetch(const QString &url) {
    const QUrl parsed(url, QUrl::StrictMode);
    const std::optional<QString> path = filePath(url);
    if (url.isEmpty() || !NetworkAddress::mayFetch(parsed) || !path || QFile::exists(*path))
        return;
    {
        QMutexLocker lock(&m_mutex);
        if (m_memory.contains(url) || m_loading.contains(url))
            return;
        // Under way from now on: a screen asking meanwhile waits for this download.
        m_loading.insert(url, {});
    }
    m_downloads.get(parsed, [this, url](const QByteArray &body, const QString &error) {
        const QImage image = error.isEmpty() ? ImageDecoder::decode(body, shownEdge) : QImage();
        // Only a picture is kept, as with a download for a screen.
        if (!image.isNull())
            storeDownload(url, body);
        finish(url, image.isNull() ? std::nullopt : std::optional<QImage>(image));
    });
}

void ImageCacheManager::download(const QString &url, const QUrl &parsed) {
    m_downloads.get(parsed, [this, url](const QByteArray &body, const QString &error) {
        if (!error.isEmpty() || body.isEmpty()) {
            finish(url, std::nullopt);
            return;
        }
        const QImage image = ImageDecoder::decode(body, shownEdge);
        if (image.isNull()) {
            finish(url, std::nullopt);
            return;
        }
        storeDownload(url, body);
        finish(url, image);
    });
}

void ImageCacheManager::finish(const QString &url, const std::optional<QImage> &image) {
    QList<Completion> waiting;
    {
        QMutexLocker lock(&m_mutex);
        waiting = m_loading.take(url);
        // A prefetch no screen joined keeps no pixels.
        if (image && !waiting.isEmpty())
            m_memory.insert(url, new QImage(*image), qMax<qsizetype>(1, image->sizeInBytes()));
    }
    for (const Completion &completion : std::as_const(waiting))
        answer(completion, image);
}

void ImageCacheManager::storeDownload(const QString &url, const QByteArray &bytes) {
    const std::optional<QString> path = filePath(url);
    if (!path)
        return;
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        qCWarning(lcMedia).noquote()
            << QStringLiteral("Ошибка записи файла: ") + file.errorString();
        return;
    }
    cleanUp();
}

void ImageCacheManager::cleanUp() const {
    if (!m_directory)
        return;
    QDir dir(*m_directory);
    if (!dir.exists()) {
        qCWarning(lcMedia).noquote() << QStringLiteral("Ошибка при очистке кэша: ") +
                                            QStringLiteral("no such directory ") + *m_directory;
        return;
    }
    QList<Entry> entries;
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
        const QDateTime modified = info.lastModified();
        entries.append({info.absoluteFilePath(), info.size(),
                        modified.isValid() ? std::optional(modified) : std::nullopt});
    }
    evict(entries, maxCacheSize, [](const QString &path, QString *error) {
        QFile file(path);
        if (file.remove())
            return true;
        *error = file.errorString();
        return false;
    });
}

void ImageCacheManager::evict(QList<Entry> entries, qint64 limit,
                              const std::function<bool(const QString &, QString *)> &remove) {
    qint64 total = 0;
    for (const Entry &e : entries)
        total += e.size.value_or(0);
    if (total <= limit)
        return;
    const QDateTime earliest =
        QDateTime::fromMSecsSinceEpoch(std::numeric_limits<qint64>::min() / 2);
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        return a.modified.value_or(earliest) < b.modified.value_or(earliest);
    });
    for (const Entry &e : std::as_const(entries)) {
        if (total <= limit)
            return;
        QString error;
        if (remove(e.path, &error))
            total -= e.size.value_or(0);
        else
            qCWarning(lcMedia).noquote() << QStringLiteral("Не удалось удалить файл ") +
                                                QUrl::fromLocalFile(e.path).toString() +
                                                QStringLiteral(": ") + error;
    }
}
