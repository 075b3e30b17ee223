// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ResponseQueue.h"

#include <QTcpSocket>

ResponseQueue::ResponseQueue(QTcpSocket *socket)
    : QObject(socket)
    , m_socket(socket) {}

ResponseQueue *ResponseQueue::of(QTcpSocket *socket) {
    if (auto *queue = socket->findChild<ResponseQueue *>(QString(), Qt::FindDirectChildrenOnly))
        return queue;
    return new ResponseQueue(socket);
}

quint64 ResponseQueue::reserve() {
    m_waiting.emplace_back();
    return m_front + m_waiting.size() - 1;
}

void ResponseQueue::fulfil(quint64 ticket, QByteArray response) {
    if (ticket < m_front || ticket - m_front >= m_waiting.size())
        return;
    m_waiting[ticket - m_front] = std::move(response);
    while (!m_waiting.empty() && m_waiting.front()) {
        m_socket->write(*m_waiting.front());
        m_waiting.pop_front();
        ++m_front;
    }
}
