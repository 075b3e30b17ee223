#pragma once

#include "BodyLimit.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <sys/resource.h>

#include <algorithm>

// A listening server (plain or TLS) whose connections have their request bodies limited, and
// their deadlines kept, before the HTTP server reads from them. Its connections never use up
// the process's descriptors: out of them, every accept failed at once while the listening
// socket stayed readable, and the process spun. Short of the limit it stops accepting, leaving
// callers in the system's queue, until a connection closes.
template <class Server> class BodyLimitedServer : public Server {
public:
    BodyLimitedServer(qint64 maxBodyBytes, const BodyLimit::Deadlines &deadlines, QObject *parent)
        : Server(parent)
        , m_max(maxBodyBytes)
        , m_deadlines(deadlines)
        , m_most(mostConnections()) {}

    // The HTTP server takes each connection here and only then starts reading it.
    QTcpSocket *nextPendingConnection() override {
        QTcpSocket *socket = Server::nextPendingConnection();
        if (!socket)
            return socket;
        BodyLimit::attach(socket, m_max, m_deadlines);
        if (++m_open >= m_most)
            this->pauseAccepting();
        QObject::connect(socket, &QObject::destroyed, this, [this] {
            if (m_open-- == m_most)
                this->resumeAccepting();
        });
        return socket;
    }

private:
    // What the descriptor limit leaves after the database, photo files and worker threads.
    static int mostConnections() {
        rlimit limit{};
        if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
            return 60000;
        const auto descriptors = int(std::min<rlim_t>(limit.rlim_cur, 1 << 20));
        return std::max(8, std::min(descriptors * 3 / 4, descriptors - 128));
    }

    qint64 m_max;
    BodyLimit::Deadlines m_deadlines;
    int m_most;
    int m_open = 0;
};
