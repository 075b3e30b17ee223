#pragma once

#include "BodyLimit.h"

#include <QTcpServer>
#include <QTcpSocket>

// A listening server (plain or TLS) whose connections have their request bodies limited, and
// their deadlines kept, before the HTTP server reads from them.
template <class Server> class BodyLimitedServer : public Server {
public:
    BodyLimitedServer(qint64 maxBodyBytes, const BodyLimit::Deadlines &deadlines, QObject *parent)
        : Server(parent)
        , m_max(maxBodyBytes)
        , m_deadlines(deadlines) {}

    // The HTTP server takes each connection here and only then starts reading it.
    QTcpSocket *nextPendingConnection() override {
        QTcpSocket *socket = Server::nextPendingConnection();
        if (socket)
            BodyLimit::attach(socket, m_max, m_deadlines);
        return socket;
    }

private:
    qint64 m_max;
    BodyLimit::Deadlines m_deadlines;
};
