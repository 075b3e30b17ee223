// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

class EventBus;
class EventShard;
class QTcpSocket;
class QThread;
class QThreadPool;
class QWebSocket;

// The open event channels of this process: whose each is, what reaches it, and when it goes.
// A channel is let in while its upgrade request's headers are read, before the HTTP server
// answers with the upgrade, so a request without a live token is refused with no channel made.
// Each channel costs little and holds nothing the calls do not: a few per account, pinged and
// closed when it stops answering, dropped when it reads too slowly to keep up (it catches up
// by asking), and closed when it talks instead of listening.
class EventHub : public QObject {
    Q_OBJECT
public:
    struct Limits {
        std::chrono::milliseconds ping{30000};
        int perAccount = 5;
        // Frames written to a channel and not yet taken by its reader.
        qint64 queueBytes = 16 * 1024;
        // The largest frame a client may send, and how many it may send between two pings:
        // clients have nothing to say on the channel.
        qint64 inboundFrameBytes = 512;
        int inboundPerPing = 4;
        // Ping rounds between two checks that every channel's sign-in is still live.
        int pingsPerRecheck = 10;
        // Threads the channels are spread over, apart from the calls' main thread, which would
        // otherwise look at every channel's socket each time it wakes. More than one pays only
        // when one thread is kept busy by events.
        int threads = 1;
    };
    // The account a request's `auth` header signs in, or throws ApiError (401/410/451) or
    // DbError; used from the main thread and the workers.
    using Authorise = std::function<QString(const QByteArray &auth)>;

    // `proxy` is the trusted proxy whose X-Forwarded-For names the caller in the request log.
    EventHub(EventBus &bus, Authorise authorise, QThreadPool &workers, const Limits &limits,
             const QHostAddress &proxy, QObject *parent = nullptr);
    ~EventHub() override;

    struct Refusal {
        int status = 0; // 0 when the upgrade may go on
        QString reason;
    };
    // Called with an upgrade request's headers before the HTTP server reads them.
    [[nodiscard]] Refusal admit(QTcpSocket *socket, const QByteArray &requestLine,
                                const QByteArray &auth, const QByteArray &forwardedFor);
    // Takes a channel the HTTP server has upgraded.
    void adopt(std::unique_ptr<QWebSocket> socket);
    // Channels taken and not yet known to have gone.
    [[nodiscard]] int channelCount() const { return int(m_channels.size()); }

private:
    struct Admitted {
        QString userId;
        QByteArray auth;
        QPointer<QTcpSocket> connection;
        QByteArray caller;
    };
    struct Channel {
        QString userId;
        QByteArray auth;
        EventShard *shard = nullptr;
        // The socket, until it has moved to the shard's thread; what is sent to it meanwhile.
        QWebSocket *waiting = nullptr;
        QPointer<QTcpSocket> connection;
        QList<QByteArray> frames;
        // Gives the connection back to the server's count.
        std::function<void()> gone;
    };

    void deliver(const QStringList &recipients, const QByteArray &frame);
    // Closes channels, each through the shard holding it.
    void closeChannels(const QList<quint64> &ids);
    void closeAccounts(const QStringList &userIds);
    void onDropped(quint64 id);
    void moveToShard(quint64 id);
    // Forgets upgrades that never finished and, every so many rounds, rechecks sign-ins.
    void tick();
    // Closes the channels whose sign-in has ended since they opened; the checks run on a worker.
    void recheck();
    [[nodiscard]] static QString peerKey(const QTcpSocket &socket);

    EventBus &m_bus;
    Authorise m_authorise;
    QThreadPool &m_workers;
    Limits m_limits;
    QHostAddress m_proxy;
    QHash<QString, Admitted> m_admitted;
    QHash<quint64, Channel> m_channels;
    // Each account's channels, oldest first.
    QHash<QString, QList<quint64>> m_byAccount;
    std::vector<std::unique_ptr<QThread>> m_threads;
    std::vector<std::unique_ptr<EventShard>> m_shards;
    quint64 m_lastId = 0;
    QTimer m_tick;
    int m_ticksSinceRecheck = 0;
};
