#pragma once

#include <QByteArray>
#include <QObject>

class QTcpSocket;

// Watches what arrives on one connection before the HTTP server reads it, and ends the
// connection at the headers when a request's body would pass the limit (413) or comes chunked
// (411): the server buffers every body whole before a handler sees it, so this keeps a huge
// request out of memory. The clients always name the length; a chunked body's framing would
// have to be parsed to the byte to be limited, and guessing its end let chunks that carried
// the end marker inside them bring in hundreds of megabytes.
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
    // False when the request is refused; `m_refusal` then says with what.
    [[nodiscard]] bool headersEnded();
    void refuse();

    QTcpSocket *m_socket;
    qint64 m_max;
    QByteArray m_headers;
    bool m_inHeaders = true;
    qint64 m_bodyLeft = 0;
    int m_refusal = 413;
    bool m_refused = false;
};
