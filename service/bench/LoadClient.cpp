// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "LoadClient.h"

#include <QElapsedTimer>

namespace {

qint64 nowNs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.nsecsElapsed();
}

} // namespace

LoadClient::LoadClient(quint16 port, QObject *parent)
    : QObject(parent)
    , m_port(port) {
    connect(&m_socket, &QTcpSocket::readyRead, this, &LoadClient::onReadyRead);
    connect(&m_socket, &QTcpSocket::disconnected, this, [this] {
        if (m_done)
            finish(0, {});
    });
}

LoadClient::~LoadClient() {
    m_socket.disconnect(this);
}

void LoadClient::send(const QByteArray &method, const QByteArray &path, const QByteArray &token,
                      const QByteArray &body, Done done) {
    if (m_socket.state() != QAbstractSocket::ConnectedState) {
        m_socket.connectToHost(QHostAddress::LocalHost, m_port);
        if (!m_socket.waitForConnected(5000)) {
            done(0, {}, 0);
            return;
        }
    }
    m_done = std::move(done);
    m_received.clear();
    m_startNs = nowNs();
    m_socket.write(method + " /" + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nauth: bear " + token +
                   "\r\nContent-Type: application/json\r\nContent-Length: " +
                   QByteArray::number(body.size()) + "\r\n\r\n" + body);
}

void LoadClient::onReadyRead() {
    m_received += m_socket.readAll();
    const qsizetype headerEnd = m_received.indexOf("\r\n\r\n");
    if (headerEnd < 0 || !m_done)
        return;
    const QByteArray headers = m_received.left(headerEnd).toLower();
    const qsizetype at = headers.indexOf("content-length:");
    const qsizetype length =
        at < 0 ? 0
               : headers.mid(at + 15, headers.indexOf('\r', at) - at - 15).trimmed().toLongLong();
    if (m_received.size() < headerEnd + 4 + length)
        return;
    finish(m_received.mid(9, 3).toInt(), m_received.mid(headerEnd + 4, length));
}

void LoadClient::finish(int status, const QByteArray &body) {
    Done done = std::move(m_done);
    m_done = nullptr;
    done(status, body, double(nowNs() - m_startNs) / 1e6);
}
