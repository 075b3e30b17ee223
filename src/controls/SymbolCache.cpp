// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/SymbolCache.h"

#include "platform/WorkerThread.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHashFunctions>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <cstring>

namespace {
// A file is the pixels as drawn (premultiplied ARGB, row after row) behind a header: a tag,
// the size and a checksum of the pixels. Reading it needs no decoder, and a file cut short or
// damaged is told from a good one.
struct Header {
    char tag[8] = {'Z', 'S', 'Y', 'M', '0', '0', '0', '2'};
    quint16 width = 0;
    quint16 height = 0;
    quint32 reserved = 0;
    quint64 checksum = 0;

    bool operator==(const Header &other) const {
        return std::memcmp(this, &other, sizeof(Header)) == 0;
    }
};
static_assert(sizeof(Header) == 24);

// The hash's seed is fixed, so a file's name and checksum stay the same from run to run.
Header headerFor(const QImage &image) {
    Header header;
    header.width = quint16(image.width());
    header.height = quint16(image.height());
    header.checksum = qHashBits(image.constBits(), size_t(image.sizeInBytes()), 0);
    return header;
}

QString fileName(const QByteArray &source, QSize size, qreal opacity) {
    const QByteArray drawing =
        source +
        QStringLiteral("|%1x%2|%3").arg(size.width()).arg(size.height()).arg(opacity).toUtf8();
    return QString::number(qHashBits(drawing.constData(), size_t(drawing.size()), 0), 16) +
           QStringLiteral(".argb");
}
} // namespace

SymbolCache::SymbolCache(std::optional<QString> directory, std::chrono::milliseconds writeDelay)
    : m_directory(std::move(directory))
    , m_writeDelay(writeDelay) {}

SymbolCache::~SymbolCache() {
    QObject::disconnect(m_quitting);
    if (m_writer)
        m_writer->stop();
    writePending();
}

SymbolCache &SymbolCache::shared() {
    static SymbolCache instance([]() -> std::optional<QString> {
        const QString caches = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        if (caches.isEmpty())
            return std::nullopt;
        return caches + QStringLiteral("/Symbols");
    }());
    return instance;
}

std::optional<QString> SymbolCache::filePath(const QByteArray &source, QSize size,
                                             qreal opacity) const {
    if (!m_directory)
        return std::nullopt;
    return *m_directory + u'/' + fileName(source, size, opacity);
}

std::optional<QImage> SymbolCache::find(const QByteArray &source, QSize size, qreal opacity) const {
    const std::optional<QString> path = filePath(source, size, opacity);
    if (!path)
        return std::nullopt;
    QFile file(*path);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    Header stored;
    const auto readInto = [&file](void *into, qint64 bytes) {
        return file.read(static_cast<char *>(into), bytes) == bytes;
    };
    if (image.isNull() || !file.open(QIODevice::ReadOnly) ||
        file.size() != qint64(sizeof(Header)) + image.sizeInBytes() ||
        !readInto(&stored, sizeof(Header)) || !readInto(image.bits(), image.sizeInBytes()) ||
        !(stored == headerFor(image)))
        return std::nullopt;
    return image;
}

void SymbolCache::store(const QByteArray &source, qreal opacity, const QImage &image) {
    const std::optional<QString> path = filePath(source, image.size(), opacity);
    if (!path || image.isNull())
        return;
    const QMutexLocker lock(&m_mutex);
    m_pending.append({*path, image.convertToFormat(QImage::Format_ARGB32_Premultiplied)});
    if (!m_writer) {
        m_writer = std::make_unique<WorkerThread>(QStringLiteral("SymbolCache"));
        // The thread stops at quit with its queue dropped; what it has not written by then is
        // written here (and when the cache goes away), which is quick, so the next start finds
        // every symbol of this one.
        if (QCoreApplication *application = QCoreApplication::instance())
            m_quitting = QObject::connect(
                application, &QCoreApplication::aboutToQuit, application,
                [this] { writePending(); }, Qt::DirectConnection);
    }
    if (m_writeScheduled)
        return;
    m_writeScheduled = true;
    m_writer->post([this, context = m_writer->context()] {
        QTimer::singleShot(m_writeDelay, context, [this] { writePending(); });
    });
}

void SymbolCache::writePending() {
    for (;;) {
        Drawing drawing;
        {
            const QMutexLocker lock(&m_mutex);
            m_writeScheduled = false;
            if (m_pending.isEmpty())
                return;
            drawing = m_pending.takeFirst();
        }
        const Header header = headerFor(drawing.image);
        QDir().mkpath(*m_directory);
        QSaveFile file(drawing.path);
        if (file.open(QIODevice::WriteOnly) &&
            file.write(reinterpret_cast<const char *>(&header), sizeof(Header)) == sizeof(Header) &&
            file.write(reinterpret_cast<const char *>(drawing.image.constBits()),
                       drawing.image.sizeInBytes()) == drawing.image.sizeInBytes())
            file.commit();
    }
}
