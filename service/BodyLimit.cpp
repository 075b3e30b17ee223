// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "BodyLimit.h"

#include "ApiRequest.h"
#include "EventHub.h"
#include "ResponseQueue.h"

#include <QTcpSocket>

#include <algorithm>
#include <utility>

namespace {

// Longer headers than any client of this service sends.
constexpr qsizetype kMaxHeaderBytes = 64 * 1024;
// Announced body bytes being received on all connections; they all live on the main thread.
qint64 s_buffered = 0;

} // namespace

BodyLimit::BodyLimit(QTcpSocket *socket, qint64 maxBodyBytes, qint64 budgetBytes,
                     const Deadlines &deadlines, EventHub *events, std::function<void()> gone)
    : QObject(socket)
    , m_socket(socket)
    , m_max(maxBodyBytes)
    , m_budget(budgetBytes)
    , m_events(events)
    , m_gone(std::move(gone))
    , m_deadlines(deadlines) {
    connect(socket, &QIODevice::readyRead, this, &BodyLimit::onReadyRead);
    // An answer going out is use too: a slow one must not close its own connection.
    connect(socket, &QIODevice::bytesWritten, this, [this] {
        if (m_phase == Phase::Idle && !m_upgraded)
            m_deadline.start();
    });
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(m_deadlines.idle);
    connect(&m_deadline, &QTimer::timeout, socket, &QTcpSocket::abort);
    m_deadline.start();
}

BodyLimit::~BodyLimit() {
    release();
    if (m_gone)
        m_gone();
}

void BodyLimit::release() {
    s_buffered -= std::exchange(m_reserved, 0);
}

void BodyLimit::attach(QTcpSocket *socket, qint64 maxBodyBytes, qint64 budgetBytes,
                       const Deadlines &deadlines, EventHub *events, std::function<void()> gone) {
    new BodyLimit(socket, maxBodyBytes, budgetBytes, deadlines, events, std::move(gone));
}

std::function<void()> BodyLimit::handOver(QTcpSocket *socket) {
    auto *limit = socket->findChild<BodyLimit *>(QString(), Qt::FindDirectChildrenOnly);
    if (!limit)
        return {};
    std::function<void()> gone = std::exchange(limit->m_gone, {});
    delete limit;
    return gone;
}

void BodyLimit::enter(Phase phase) {
    if (phase == m_phase)
        return;
    m_phase = phase;
    switch (phase) {
    case Phase::Idle:
        m_deadline.setInterval(m_deadlines.idle);
        break;
    case Phase::Headers:
        m_deadline.setInterval(m_deadlines.headers);
        break;
    case Phase::Body:
        m_deadline.setInterval(m_deadlines.body);
        break;
    }
    m_deadline.start();
}

void BodyLimit::onReadyRead() {
    if (m_upgraded)
        return;
    if (m_refused) {
        // Whatever still comes is dropped unread until the connection is closed.
        m_socket->readAll();
        return;
    }
    // Peeking leaves the bytes to the server, which reads everything available after this.
    if (!follow(m_socket->peek(m_socket->bytesAvailable()))) {
        refuse();
        return;
    }
    if (m_upgraded)
        return;
    enter(!m_inHeaders ? Phase::Body : m_headers.isEmpty() ? Phase::Idle : Phase::Headers);
}

bool BodyLimit::follow(QByteArrayView fragment) {
    while (!fragment.isEmpty()) {
        if (m_inHeaders) {
            const qsizetype before = m_headers.size();
            m_headers += fragment.first(std::min(fragment.size(), kMaxHeaderBytes + 4));
            const qsizetype end = m_headers.indexOf("\r\n\r\n");
            if (end < 0)
                return m_headers.size() <= kMaxHeaderBytes;
            fragment = fragment.sliced(end + 4 - before);
            if (!headersEnded())
                return false;
            // What follows is the channel's, once it is upgraded.
            if (m_upgraded)
                return true;
            continue;
        }
        const qsizetype body = qsizetype(std::min<qint64>(m_bodyLeft, fragment.size()));
        m_bodyLeft -= body;
        fragment = fragment.sliced(body);
        if (m_bodyLeft == 0) {
            m_inHeaders = true;
            release();
        }
    }
    return true;
}

bool BodyLimit::headersEnded() {
    if (++m_requests - ResponseQueue::of(m_socket)->answered() > kMostWaiting) {
        m_refusal = 429;
        return false;
    }
    m_inHeaders = false;
    m_bodyLeft = 0;
    const QList<QByteArray> lines = m_headers.left(m_headers.indexOf("\r\n\r\n")).split('\n');
    m_headers.clear();
    QByteArray auth;
    QByteArray forwardedFor;
    QByteArray upgrade;
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray raw = line.mid(colon + 1).trimmed();
        const QByteArray value = raw.toLower();
        if (name == "transfer-encoding" && value != "identity") {
            m_refusal = 411;
            return false;
        }
        if (name == "content-length") {
            bool ok = false;
            m_bodyLeft = value.toLongLong(&ok);
            if (!ok || m_bodyLeft < 0)
                return false;
        }
        if (name == "auth")
            auth = raw;
        if (name == "upgrade")
            upgrade = value;
        if (name == "x-forwarded-for")
            forwardedFor = raw;
    }
    // The HTTP server would upgrade any request that asks, before a handler sees it.
    if (!upgrade.isEmpty())
        return admitUpgrade(lines.value(0), upgrade, auth, forwardedFor);
    if (m_bodyLeft > limitFor(lines.value(0), !auth.isEmpty()))
        return false;
    if (m_bodyLeft == 0) {
        m_inHeaders = true;
        return true;
    }
    if (s_buffered + m_bodyLeft > std::max(m_budget, m_max)) {
        m_refusal = 503;
        return false;
    }
    m_reserved = m_bodyLeft;
    s_buffered += m_reserved;
    return true;
}

bool BodyLimit::admitUpgrade(const QByteArray &requestLine, const QByteArray &protocol,
                             const QByteArray &auth, const QByteArray &forwardedFor) {
    if (m_bodyLeft > 0 || !m_events || protocol != "websocket") {
        m_refusal = 400;
        m_reason = QStringLiteral("Неверный запрос");
        return false;
    }
    const EventHub::Refusal refusal = m_events->admit(m_socket, requestLine, auth, forwardedFor);
    if (refusal.status != 0) {
        m_refusal = refusal.status;
        m_reason = refusal.reason;
        return false;
    }
    m_upgraded = true;
    m_inHeaders = true;
    // The handshake must end in time; nothing restarts this deadline.
    m_deadline.setInterval(m_deadlines.headers);
    m_deadline.start();
    return true;
}

qint64 BodyLimit::limitFor(const QByteArray &requestLine, bool hasToken) const {
    // "POST /images/upload HTTP/1.1"; the token itself is checked once the call is answered.
    const QList<QByteArray> parts = requestLine.trimmed().split(' ');
    const QByteArray path = parts.value(1).split('?').value(0);
    if (!hasToken)
        return std::min(m_max, kPublicBodyBytes);
    if (path == "/images/upload")
        return m_max;
    return std::min(m_max, kMemberBodyBytes);
}

void BodyLimit::refuse() {
    m_refused = true;
    release();
    m_socket->readAll();
    // Answers to its earlier requests are still due: nothing may be written ahead of them.
    if (m_refusal == 429) {
        m_socket->abort();
        return;
    }
    const QString reason = !m_reason.isEmpty() ? m_reason
                           : m_refusal == 411 ? QStringLiteral("Не указана длина запроса")
                           : m_refusal == 503 ? QStringLiteral("Сервис перегружен, попробуй позже")
                                              : QStringLiteral("Слишком большой запрос");
    m_socket->write(Reply::error(m_refusal, reason).message(true));
    m_socket->disconnectFromHost();
}
