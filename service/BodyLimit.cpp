#include "BodyLimit.h"

#include "ApiRequest.h"

#include <QTcpSocket>

namespace {

// Longer headers than any client of this service sends.
constexpr qsizetype kMaxHeaderBytes = 64 * 1024;
// A body of unknown length is held whole, in a buffer that grows by doubling, before its size
// is known; the client always names the length, so such bodies only get a small allowance.
constexpr qint64 kMaxChunkedBytes = 4 * 1024 * 1024;

} // namespace

BodyLimit::BodyLimit(QTcpSocket *socket, qint64 maxBodyBytes)
    : QObject(socket)
    , m_socket(socket)
    , m_max(maxBodyBytes) {
    connect(socket, &QIODevice::readyRead, this, &BodyLimit::onReadyRead);
}

void BodyLimit::attach(QTcpSocket *socket, qint64 maxBodyBytes) {
    new BodyLimit(socket, maxBodyBytes);
}

void BodyLimit::onReadyRead() {
    if (m_refused) {
        // Whatever still comes is dropped unread until the connection is closed.
        m_socket->readAll();
        return;
    }
    // Peeking leaves the bytes to the server, which reads everything available after this.
    if (!follow(m_socket->peek(m_socket->bytesAvailable())))
        refuse();
}

bool BodyLimit::follow(QByteArrayView fragment) {
    while (!fragment.isEmpty()) {
        if (m_inHeaders) {
            const qsizetype before = m_headers.size();
            m_headers += fragment.first(std::min(fragment.size(), kMaxHeaderBytes + 4));
            const qsizetype end = m_headers.indexOf("\r\n\r\n");
            if (end < 0)
                return m_headers.size() <= kMaxHeaderBytes;
            fragment = fragment.sliced(end + 4 - before);
            if (!headersEnded())
                return false;
            continue;
        }
        if (m_chunked) {
            m_bodySeen += fragment.size();
            if (m_bodySeen > std::min(m_max, kMaxChunkedBytes))
                return false;
            // The last chunk is empty; what follows it is the next request.
            if (fragment.endsWith("0\r\n\r\n")) {
                m_inHeaders = true;
                m_chunked = false;
            }
            return true;
        }
        const qsizetype body = qsizetype(std::min<qint64>(m_bodyLeft, fragment.size()));
        m_bodyLeft -= body;
        fragment = fragment.sliced(body);
        if (m_bodyLeft == 0)
            m_inHeaders = true;
    }
    return true;
}

bool BodyLimit::headersEnded() {
    m_inHeaders = false;
    m_chunked = false;
    m_bodyLeft = 0;
    m_bodySeen = 0;
    const QList<QByteArray> lines = m_headers.left(m_headers.indexOf("\r\n\r\n")).split('\n');
    m_headers.clear();
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed().toLower();
        if (name == "transfer-encoding" && value.contains("chunked")) {
            m_chunked = true;
        } else if (name == "content-length") {
            bool ok = false;
            m_bodyLeft = value.toLongLong(&ok);
            if (!ok || m_bodyLeft < 0 || m_bodyLeft > m_max)
                return false;
        }
    }
    if (!m_chunked && m_bodyLeft == 0)
        m_inHeaders = true;
    return true;
}

void BodyLimit::refuse() {
    m_refused = true;
    m_socket->readAll();
    m_socket->write(Reply::error(413, QStringLiteral("Слишком большой запрос")).message(true));
    m_socket->disconnectFromHost();
}
