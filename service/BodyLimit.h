#pragma once

#include <QByteArray>
#include <QObject>

class QTcpSocket;

// Watches what arrives on one connection before the HTTP server reads it, and ends the
// connection with a 413 answer as soon as a request body would pass the limit: at the headers
// when Content-Length says so, or when a chunked body grows past it (or past 4 MB). The server
// buffers every body whole before a handler sees it, so this keeps a huge request out of memory.
class BodyLimit : public QObject {
    Q_OBJECT
public:
    // Must run before the server connects to the socket, so it sees each fragment first.
    static void attach(QTcpSocket *socket, qint64 maxBodyBytes);

private:
    BodyLimit(QTcpSocket *socket, qint64 maxBodyBytes);

    void onReadyRead();
    // Follows one fragment of the stream; false when the request is too large.
    [[nodiscard]] bool follow(QByteArrayView fragment);
    [[nodiscard]] bool headersEnded();
    void refuse();

    QTcpSocket *m_socket;
    qint64 m_max;
    QByteArray m_headers;
    bool m_inHeaders = true;
    bool m_chunked = false;
    qint64 m_bodyLeft = 0; // for a Content-Length body
    qint64 m_bodySeen = 0; // for a chunked body
    bool m_refused = false;
};
