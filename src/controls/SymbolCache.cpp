#include "SymbolCache.h"

#include "WorkerThread.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <cstring>

namespace {
// A file is the pixels as drawn (premultiplied ARGB, row after row) behind a header: a tag,
// the size and a checksum of the pixels. Reading it needs no decoder, and a file cut short or
// damaged is told from a good one.
constexpr qsizetype kHeaderBytes = 16;

QByteArray header(QSize size, quint16 checksum) {
    const quint16 fields[] = {quint16(size.width()), quint16(size.height()), checksum, 0};
    return QByteArray("ZSYM0001") + QByteArray(reinterpret_cast<const char *>(fields), 8);
}

QString fileName(const QByteArray &source, QSize size, qreal opacity) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(source);
    hash.addData(
        QStringLiteral("|%1x%2|%3").arg(size.width()).arg(size.height()).arg(opacity).toUtf8());
    return QString::fromLatin1(hash.result().toHex()) + QStringLiteral(".argb");
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
    const qsizetype rowBytes = qsizetype(size.width()) * 4;
    const qsizetype fileBytes = kHeaderBytes + rowBytes * size.height();
    if (!file.open(QIODevice::ReadOnly) || file.size() != fileBytes)
        return std::nullopt;
    const QByteArray bytes = file.read(fileBytes);
    const QByteArrayView pixels = QByteArrayView(bytes).sliced(qMin(kHeaderBytes, bytes.size()));
    if (bytes.size() != fileBytes || bytes.left(kHeaderBytes) != header(size, qChecksum(pixels)))
        return std::nullopt;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y)
        std::memcpy(image.scanLine(y), pixels.data() + y * rowBytes, size_t(rowBytes));
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
        QByteArray pixels;
        const QImage &image = drawing.image;
        for (int y = 0; y < image.height(); ++y)
            pixels.append(reinterpret_cast<const char *>(image.constScanLine(y)),
                          qsizetype(image.width()) * 4);
        QDir().mkpath(*m_directory);
        QSaveFile file(drawing.path);
        if (file.open(QIODevice::WriteOnly) &&
            file.write(header(image.size(), qChecksum(pixels)) + pixels) > 0)
            file.commit();
    }
}
