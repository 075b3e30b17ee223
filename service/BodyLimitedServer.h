// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "BodyLimit.h"
#include "CallerAddress.h"
#include "ServiceOptions.h"

#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <sys/resource.h>

#include <algorithm>

// A listening server (plain or TLS) whose connections have their request bodies limited, and
// their deadlines kept, before the HTTP server reads from them; one address holds no more than
// so many connections at once. Its connections never use up the process's descriptors: out of
// them, every accept failed at once while the listening socket stayed readable, and the process
// spun. Short of the limit it stops accepting, leaving callers in the system's queue, until a
// connection closes.
template <class Server> class BodyLimitedServer : public Server {
public:
    BodyLimitedServer(const ServiceOptions &options, EventHub *events, QObject *parent)
        : Server(parent)
        , m_events(events)
        , m_max(options.maxBodyBytes)
        , m_budget(options.bodyBudgetBytes)
        , m_deadlines(options.deadlines)
        , m_most(mostConnections())
        , m_mostPerAddress(options.connectionsPerAddress)
        , m_proxy(options.proxy) {}

    // The HTTP server takes each connection here and only then starts reading it.
    QTcpSocket *nextPendingConnection() override {
        QTcpSocket *socket = Server::nextPendingConnection();
        if (!socket)
            return socket;
        if (++m_open >= m_most)
            this->pauseAccepting();
        const QString address = callerOf(*socket);
        const int fromAddress = ++m_perAddress[address];
        // The server deletes the connections it still has as it goes, after its own members.
        const QPointer<QObject> alive(this);
        BodyLimit::attach(socket, m_max, m_budget, m_deadlines, m_events, [=, this] {
            if (!alive)
                return;
            if (--m_perAddress[address] == 0)
                m_perAddress.remove(address);
            if (m_open-- == m_most)
                this->resumeAccepting();
        });
        // One host holding thousands of connections leaves none for anyone else. Closed once
        // the HTTP server has connected to it, so it is cleaned up as any closed connection.
        if (fromAddress > m_mostPerAddress)
            QMetaObject::invokeMethod(socket, &QAbstractSocket::abort, Qt::QueuedConnection);
        return socket;
    }

private:
    // The peer's address; every connection of the load balancer counts as its own.
    QString callerOf(const QTcpSocket &socket) const {
        const QHostAddress peer = CallerAddress::unmapped(socket.peerAddress());
        if (!m_proxy.isNull() && peer.isEqual(m_proxy, QHostAddress::TolerantConversion))
            return QString::number(quintptr(&socket));
        return peer.toString();
    }

    // What the descriptor limit leaves after the database, photo files and worker threads.
    static int mostConnections() {
        rlimit limit{};
        if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
            return 60000;
        const auto descriptors = int(std::min<rlim_t>(limit.rlim_cur, 1 << 20));
        return std::max(8, std::min(descriptors * 3 / 4, descriptors - 128));
    }

    EventHub *m_events;
    qint64 m_max;
    qint64 m_budget;
    BodyLimit::Deadlines m_deadlines;
    int m_most;
    int m_open = 0;
    int m_mostPerAddress;
    QHostAddress m_proxy;
    QHash<QString, int> m_perAddress;
};
