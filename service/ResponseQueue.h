// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QObject>

#include <deque>
#include <optional>

class QTcpSocket;

// Requests on one connection are answered by whichever worker thread is free, so a later one
// may finish first; HTTP wants the answers back in the order the requests came.
class ResponseQueue : public QObject {
    Q_OBJECT
public:
    // The queue of this connection, made on its first request; it goes away with the socket.
    [[nodiscard]] static ResponseQueue *of(QTcpSocket *socket);

    // A place in line for the next answer.
    [[nodiscard]] quint64 reserve();
    // Fills a place; every answer whose turn has come is written.
    void fulfil(quint64 ticket, QByteArray response);
    // Answers written so far.
    [[nodiscard]] quint64 answered() const { return m_front; }

private:
    explicit ResponseQueue(QTcpSocket *socket);

    QTcpSocket *m_socket;
    quint64 m_front = 0; // the ticket of m_waiting.front()
    std::deque<std::optional<QByteArray>> m_waiting;
};
