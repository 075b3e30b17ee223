// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMutex>
#include <QRegularExpression>
#include <QTcpServer>
#include <atomic>
#include <list>
#include <thread>

// An HTTP/1.1 relay on a free port of 127.0.0.1 in front of a started reference service. It
// passes every request through, except those whose path (without the query) matches the
// injected pattern: those get the injected fault instead, as a broken proxy, a dying service or
// a bad line would give it. Each connection is served on a thread of its own with blocking
// sockets, so a trickling or huge answer never holds up the test's event loop.
class FaultProxy : public QTcpServer {
    Q_OBJECT
public:
    enum class Fault {
        None,
        ServerError,  // 500 with a JSON error body
        GatewayPage,  // 502 with an HTML page
        Truncated,    // the service's answer, cut short: Content-Length promises more, then close
        Trickle,      // a body one byte every 50 ms
        Dropped,      // the connection closes without an answer; the service never sees the call
        AnswerLost,   // the service carries out the call, then the connection closes unanswered
        Unauthorized, // 401
        Gone,         // 410
        Unavailable,  // 451
        InvalidUtf8,  // the service's answer with bytes that are no UTF-8 in a string of `field`
        WrongType,    // the service's answer with `field` of another JSON type
        DeepNesting,  // 200 with 100 000 "["
        Huge,         // 200 with a 50 MB body
    };
    Q_ENUM(Fault)

    // Text every injected body carries in markup, so a screen showing it raw can be caught.
    static constexpr const char *marker = "ZFAULT";

    explicit FaultProxy(quint16 servicePort, QObject *parent = nullptr);
    ~FaultProxy() override;

    // Listens on a free port of 127.0.0.1; false when it cannot.
    [[nodiscard]] bool start();
    // "http://127.0.0.1:PORT/" once started.
    [[nodiscard]] QString baseUrl() const;

    // From now on requests whose path matches `path` get `fault`; `field` names the key the
    // answer-corrupting faults change.
    void inject(const QRegularExpression &path, Fault fault, const QString &field = {});
    // Everything passes through again.
    void clear() { inject(QRegularExpression(), Fault::None); }
    // How many requests got the injected fault since it was injected.
    [[nodiscard]] int served() const { return m_served; }

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    struct Plan {
        Fault fault = Fault::None;
        QString field;
    };
    [[nodiscard]] Plan planFor(const QByteArray &path) const;
    void serve(qintptr socketDescriptor);

    quint16 m_servicePort;
    mutable QMutex m_mutex;
    QRegularExpression m_path;
    Plan m_plan;
    std::atomic<int> m_served{0};
    std::atomic<bool> m_stopping{false};
    std::list<std::thread> m_connections;
};
