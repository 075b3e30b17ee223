#include "BodyLimit.h"

#include "ApiRequest.h"

#include <QTcpSocket>

namespace {

// Longer headers than any client of this service sends.
constexpr qsizetype kMaxHeaderBytes = 64 * 1024;

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
    m_bodyLeft = 0;
    const QList<QByteArray> lines = m_headers.left(m_headers.indexOf("\r\n\r\n")).split('\n');
    m_headers.clear();
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed().toLower();
        if (name == "transfer-encoding" && value != "identity") {
            m_refusal = 411;
            return false;
        }
        if (name == "content-length") {
            bool ok = false;
            m_bodyLeft = value.toLongLong(&ok);
            if (!ok || m_bodyLeft < 0 || m_bodyLeft > m_max)
                return false;
        }
    }
    if (m_bodyLeft == 0)
        m_inHeaders = true;
    return true;
}

void BodyLimit::refuse() {
    m_refused = true;
    m_socket->readAll();
    m_socket->write(Reply::error(m_refusal, m_refusal == 411
                                                ? QStringLiteral("Не указана длина запроса")
                                                : QStringLiteral("Слишком большой запрос"))
                        .message(true));
    m_socket->disconnectFromHost();
}
