// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QTcpSocket>

#include <functional>

// One keep-alive HTTP/1.1 connection that sends a request, reads the whole answer and says how
// long it took. Far lighter than QNetworkAccessManager, so twenty of them on one thread leave
// the cores to the service they measure.
class LoadClient : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(int status, const QByteArray &body, double ms)>;

    explicit LoadClient(quint16 port, QObject *parent = nullptr);
    // Closing the socket here answers nobody: whoever waited is going away too.
    ~LoadClient() override;

    // One request at a time; `done` runs when its answer is complete (status 0: none came).
    void send(const QByteArray &method, const QByteArray &path, const QByteArray &token,
              const QByteArray &body, Done done);

private:
    void onReadyRead();
    void finish(int status, const QByteArray &body);

    QTcpSocket m_socket;
    quint16 m_port;
    QByteArray m_received;
    qint64 m_startNs = 0;
    Done m_done;
};
