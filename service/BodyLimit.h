// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>

class EventHub;
class QTcpSocket;

// Watches what arrives on one connection before the HTTP server reads it, and ends the
// connection at the headers when a request's body would pass the limit (413) or comes chunked
// (411): the server buffers every body whole before a handler sees it, so this keeps a huge
// request out of memory. The clients always name the length; a chunked body's framing would
// have to be parsed to the byte to be limited, and guessing its end let chunks that carried
// the end marker inside them bring in hundreds of megabytes.
// Only a photo upload that carries a token may be large; every other call is a few kilobytes,
// and one without a token fewer still. All connections together hold no more than a budget of
// announced body bytes at once (503 past it), so many slow large bodies cannot add up.
// A connection sending requests far ahead of reading its answers is closed before the server
// reads them: 400,000 pipelined on one kept nine callers in ten waiting.
// It also closes connections that hold the service without using it: headers that do not
// arrive in time from the first byte of a request, a body that does not arrive in time from
// its headers, and a connection idle for longer than a client keeps one for reuse.
// An upgrade to an event channel is let through only when the event hub admits it; from then
// on the connection is the hub's, and none of this watches it.
class BodyLimit : public QObject {
    Q_OBJECT
public:
    struct Deadlines {
        std::chrono::milliseconds headers{10000};
        std::chrono::milliseconds body{30000};
        std::chrono::milliseconds idle{60000};
    };

    // The largest body of a call with a token other than an upload, and of one without.
    static constexpr qint64 kMemberBodyBytes = 64 * 1024;
    static constexpr qint64 kPublicBodyBytes = 16 * 1024;
    // Requests one connection may have sent and not yet had answered.
    static constexpr quint64 kMostWaiting = 32;

    // Must run before the server connects to the socket, so it sees each fragment first.
    // `budgetBytes`: the announced body bytes all connections may be receiving at once.
    // `gone` runs when the connection is destroyed; unlike a connection to its signals, it
    // outlives the WebSocket server's taking the connection over.
    static void attach(QTcpSocket *socket, qint64 maxBodyBytes, qint64 budgetBytes,
                       const Deadlines &deadlines, EventHub *events, std::function<void()> gone);
    ~BodyLimit() override;
    // The event hub has taken the upgraded connection, and moves it to a thread of its own:
    // the watcher goes here, on this thread, and the hub calls what it returns (`gone`) when the
    // channel closes.
    [[nodiscard]] static std::function<void()> handOver(QTcpSocket *socket);

private:
    enum class Phase { Idle, Headers, Body };

    BodyLimit(QTcpSocket *socket, qint64 maxBodyBytes, qint64 budgetBytes,
              const Deadlines &deadlines, EventHub *events, std::function<void()> gone);

    // Starts the deadline of the phase the stream is in when it has changed.
    void enter(Phase phase);

    void onReadyRead();
    // Follows one fragment of the stream; false when the request is too large.
    [[nodiscard]] bool follow(QByteArrayView fragment);
    // False when the request is refused; `m_refusal` then says with what.
    [[nodiscard]] bool headersEnded();
    // False, with the refusal set, unless the event hub lets this upgrade request through.
    [[nodiscard]] bool admitUpgrade(const QByteArray &requestLine, const QByteArray &protocol,
                                    const QByteArray &auth, const QByteArray &forwardedFor);
    // The largest body the request of these headers may have.
    [[nodiscard]] qint64 limitFor(const QByteArray &requestLine, bool hasToken) const;
    void release();
    void refuse();

    QTcpSocket *m_socket;
    qint64 m_max;
    qint64 m_budget;
    QByteArray m_headers;
    bool m_inHeaders = true;
    qint64 m_bodyLeft = 0;
    int m_refusal = 413;
    // Said with a refusal the event hub made.
    QString m_reason;
    EventHub *m_events;
    std::function<void()> m_gone;
    bool m_upgraded = false;
    bool m_refused = false;
    // What this connection's body in progress holds of the budget.
    qint64 m_reserved = 0;
    // Requests whose headers have come on this connection.
    quint64 m_requests = 0;
    Deadlines m_deadlines;
    Phase m_phase = Phase::Idle;
    QTimer m_deadline;
};
