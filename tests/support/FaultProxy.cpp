// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FaultProxy.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QThread>
#include <optional>

namespace {

constexpr int kPollMs = 100;
constexpr int kTrickleMs = 50;
constexpr qint64 kHugeBytes = 50 * 1024 * 1024;

// One request or answer: the start line and headers as they came, and the body.
struct HttpMessage {
    QByteArray head;
    QByteArray body;

    [[nodiscard]] QByteArray startLine() const { return head.left(head.indexOf("\r\n")); }
    [[nodiscard]] QByteArray path() const {
        const QList<QByteArray> parts = startLine().split(' ');
        const QByteArray target = parts.size() > 1 ? parts.at(1) : QByteArray();
        const qsizetype query = target.indexOf('?');
        return query < 0 ? target : target.left(query);
    }
    [[nodiscard]] int status() const {
        const QList<QByteArray> parts = startLine().split(' ');
        return parts.size() > 1 ? parts.at(1).toInt() : 0;
    }
};

// Waits for more bytes; false once the peer is gone or the proxy stops.
bool awaitBytes(QTcpSocket &socket, const std::atomic<bool> &stopping) {
    while (!stopping) {
        if (socket.waitForReadyRead(kPollMs))
            return true;
        if (socket.state() != QAbstractSocket::ConnectedState)
            return false;
    }
    return false;
}

// Reads one message with a Content-Length body (or none), as the client and service send them.
std::optional<HttpMessage> readMessage(QTcpSocket &socket, const std::atomic<bool> &stopping) {
    HttpMessage message;
    qint64 length = 0;
    for (;;) {
        while (!socket.canReadLine())
            if (!awaitBytes(socket, stopping))
                return std::nullopt;
        const QByteArray line = socket.readLine();
        message.head += line;
        if (line == "\r\n")
            break;
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == "content-length")
            length = line.mid(colon + 1).trimmed().toLongLong();
    }
    while (message.body.size() < length) {
        if (!socket.bytesAvailable() && !awaitBytes(socket, stopping))
            return std::nullopt;
        message.body += socket.read(length - message.body.size());
    }
    return message;
}

bool writeAll(QTcpSocket &socket, const QByteArray &bytes) {
    socket.write(bytes);
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(1000))
            return false;
    return true;
}

QByteArray head(int status, const QByteArray &reason, const QByteArray &type, qint64 length) {
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(length) + "\r\n\r\n";
}

QByteArray errorBody(const QByteArray &text) {
    return R"({"error":true,"reason":"<b>)" + QByteArray(FaultProxy::marker) + "</b> " + text +
           R"("})";
}

// The first object, depth first, that holds `key`.
bool changeField(QJsonValue &value, const QString &key,
                 const std::function<QJsonValue(const QJsonValue &)> &change) {
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        if (object.contains(key)) {
            object.insert(key, change(object.value(key)));
            value = object;
            return true;
        }
        for (auto it = object.begin(); it != object.end(); ++it) {
            QJsonValue inner = it.value();
            if (changeField(inner, key, change)) {
                it.value() = inner;
                value = object;
                return true;
            }
        }
    } else if (value.isArray()) {
        QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            QJsonValue inner = array.at(i);
            if (changeField(inner, key, change)) {
                array.replace(i, inner);
                value = array;
                return true;
            }
        }
    }
    return false;
}

// The answer with `key` of another type: a string becomes a number, anything else a string.
std::optional<QByteArray> withWrongType(const QByteArray &body, const QString &key) {
    const QJsonDocument document = QJsonDocument::fromJson(body);
    QJsonValue root =
        document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
    const bool changed = changeField(root, key, [](const QJsonValue &was) {
        return was.isString() ? QJsonValue(42) : QJsonValue(QStringLiteral("42"));
    });
    if (!changed)
        return std::nullopt;
    return root.isArray() ? QJsonDocument(root.toArray()).toJson(QJsonDocument::Compact)
                          : QJsonDocument(root.toObject()).toJson(QJsonDocument::Compact);
}

// The answer with two bytes that never occur in UTF-8 at the start of the string `key` holds.
std::optional<QByteArray> withInvalidUtf8(const QByteArray &body, const QString &key) {
    const QRegularExpression field(QStringLiteral("\"%1\"\\s*:\\s*\"").arg(key));
    const QRegularExpressionMatch found = field.match(QString::fromLatin1(body));
    if (!found.hasMatch())
        return std::nullopt;
    QByteArray corrupt = body;
    corrupt.insert(found.capturedEnd(), "\xff\xfe");
    return corrupt;
}

} // namespace

FaultProxy::FaultProxy(quint16 servicePort, QObject *parent)
    : QTcpServer(parent)
    , m_servicePort(servicePort) {}

FaultProxy::~FaultProxy() {
    m_stopping = true;
    close();
    for (std::thread &connection : m_connections)
        connection.join();
}

bool FaultProxy::start() {
    return listen(QHostAddress::LocalHost, 0);
}

QString FaultProxy::baseUrl() const {
    return QStringLiteral("http://127.0.0.1:%1/").arg(serverPort());
}

void FaultProxy::inject(const QRegularExpression &path, Fault fault, const QString &field) {
    QMutexLocker locker(&m_mutex);
    m_path = path;
    m_plan = {fault, field};
    m_served = 0;
}

FaultProxy::Plan FaultProxy::planFor(const QByteArray &path) const {
    QMutexLocker locker(&m_mutex);
    if (m_plan.fault == Fault::None || !m_path.match(QString::fromLatin1(path)).hasMatch())
        return {};
    return m_plan;
}

void FaultProxy::incomingConnection(qintptr socketDescriptor) {
    m_connections.emplace_back([this, socketDescriptor] { serve(socketDescriptor); });
}

void FaultProxy::serve(qintptr socketDescriptor) {
    QTcpSocket client;
    if (!client.setSocketDescriptor(socketDescriptor))
        return;
    QTcpSocket service;
    // The service's answer to the request, opening a connection to it when there is none.
    const auto forward = [&](const HttpMessage &request) -> std::optional<HttpMessage> {
        if (service.state() != QAbstractSocket::ConnectedState) {
            service.abort();
            service.connectToHost(QHostAddress::LocalHost, m_servicePort);
            if (!service.waitForConnected(5000))
                return std::nullopt;
        }
        if (!writeAll(service, request.head + request.body))
            return std::nullopt;
        return readMessage(service, m_stopping);
    };
    const auto answer = [&](const HttpMessage &message) {
        return writeAll(client, message.head + message.body);
    };
    // Whether the connection may carry the next request.
    const auto injected = [&](const HttpMessage &request, const Plan &plan) -> bool {
        switch (plan.fault) {
        case Fault::None:
            break;
        case Fault::ServerError: {
            const QByteArray body = errorBody("internal error");
            return writeAll(
                client, head(500, "Internal Server Error", "application/json", body.size()) + body);
        }
        case Fault::GatewayPage: {
            const QByteArray body = "<html><head><title>502 Bad Gateway</title></head><body><h1>" +
                                    QByteArray(marker) + " Bad Gateway</h1><hr>nginx</body></html>";
            return writeAll(
                client, head(502, "Bad Gateway", "text/html; charset=utf-8", body.size()) + body);
        }
        case Fault::Unauthorized:
        case Fault::Gone:
        case Fault::Unavailable: {
            const int status = plan.fault == Fault::Unauthorized ? 401
                               : plan.fault == Fault::Gone       ? 410
                                                                 : 451;
            const QByteArray body = errorBody("refused");
            return writeAll(client,
                            head(status, "Refused", "application/json", body.size()) + body);
        }
        case Fault::Trickle: {
            const QByteArray body = errorBody(QByteArray(2000, 'x'));
            if (!writeAll(client, head(200, "OK", "application/json", body.size())))
                return false;
            for (const char byte : body) {
                if (m_stopping || !writeAll(client, QByteArray(1, byte)))
                    return false;
                QThread::msleep(kTrickleMs);
            }
            return true;
        }
        case Fault::DeepNesting: {
            const QByteArray body(100000, '[');
            return writeAll(client, head(200, "OK", "application/json", body.size()) + body);
        }
        case Fault::Huge: {
            if (!writeAll(client, head(200, "OK", "application/json", kHugeBytes) + '['))
                return false;
            const QByteArray chunk = QByteArray("\"") + QByteArray(64 * 1024 - 3, 'a') + "\",";
            for (qint64 sent = 1; sent + chunk.size() <= kHugeBytes; sent += chunk.size())
                if (m_stopping || !writeAll(client, chunk))
                    return false;
            return false; // never whole: the client has given up long before
        }
        case Fault::Dropped:
            return false;
        case Fault::AnswerLost:
            forward(request);
            return false;
        case Fault::Truncated: {
            const std::optional<HttpMessage> real = forward(request);
            if (!real)
                return false;
            const QByteArray body = real->body.left(real->body.size() / 2);
            writeAll(client,
                     head(real->status(), "OK", "application/json", real->body.size() + 100) +
                         body);
            return false;
        }
        case Fault::InvalidUtf8:
        case Fault::WrongType: {
            const std::optional<HttpMessage> real = forward(request);
            if (!real)
                return false;
            const std::optional<QByteArray> body = plan.fault == Fault::WrongType
                                                       ? withWrongType(real->body, plan.field)
                                                       : withInvalidUtf8(real->body, plan.field);
            if (!body) { // nothing to corrupt: the answer as it was, and no fault counted
                --m_served;
                return answer(*real);
            }
            return writeAll(client,
                            head(real->status(), "OK", "application/json", body->size()) + *body);
        }
        }
        return false;
    };

    while (!m_stopping) {
        const std::optional<HttpMessage> request = readMessage(client, m_stopping);
        if (!request)
            break;
        const Plan plan = planFor(request->path());
        if (plan.fault != Fault::None) {
            ++m_served;
            if (!injected(*request, plan))
                break;
            continue;
        }
        const std::optional<HttpMessage> real = forward(*request);
        if (!real || !answer(*real))
            break;
    }
    client.close();
    service.close();
}
