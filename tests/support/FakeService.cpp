// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FakeService.h"

#include <QJsonDocument>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

QJsonObject RecordedRequest::json() const {
    return QJsonDocument::fromJson(body).object();
}

FakeService::FakeService(QObject *parent)
    : QObject(parent) {
    connect(&m_server, &QTcpServer::newConnection, this, &FakeService::onNewConnection);
}

bool FakeService::start() {
    return m_server.listen(QHostAddress::LocalHost);
}

QString FakeService::baseUrl() const {
    return QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort());
}

std::unique_ptr<NetworkService> FakeService::client(const QString &token) const {
    auto network = std::make_unique<NetworkService>();
    network->setBaseUrl(baseUrl());
    network->setPaseto(token);
    return network;
}

void FakeService::respond(const QString &key, int status, const QByteArray &body,
                          const QHash<QByteArray, QByteArray> &headers) {
    m_rules.insert(key, Rule{status, body, headers});
}

void FakeService::respondDelayed(const QString &key, std::chrono::milliseconds delay, int status,
                                 const QByteArray &body) {
    m_rules.insert(key, Rule{status, body, {}, delay});
}

void FakeService::dropConnection(const QString &key) {
    Rule rule;
    rule.drop = true;
    m_rules.insert(key, rule);
}

void FakeService::onNewConnection() {
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void FakeService::onReadyRead(QTcpSocket *socket) {
    QByteArray buffer = socket->property("pending").toByteArray() + socket->readAll();
    while (const auto request = takeRequest(buffer)) {
        m_requests.append(*request);
        Q_EMIT requestReceived(*request);
        const Rule rule = ruleFor(request->target);
        if (rule.drop) {
            socket->abort();
            return;
        }
        if (rule.delay.count() == 0) {
            answer(socket, rule);
            continue;
        }
        QTimer::singleShot(rule.delay, socket, [socket = QPointer<QTcpSocket>(socket), rule] {
            if (socket)
                answer(socket, rule);
        });
    }
    socket->setProperty("pending", buffer);
}

std::optional<RecordedRequest> FakeService::takeRequest(QByteArray &buffer) {
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return std::nullopt;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    if (requestLine.size() < 2)
        return std::nullopt;
    RecordedRequest request;
    request.method = QString::fromLatin1(requestLine.at(0));
    request.target = QString::fromLatin1(requestLine.at(1));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.insert(QString::fromLatin1(lines.at(i).left(colon).trimmed()).toLower(),
                                   lines.at(i).mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value(QStringLiteral("content-length")).toLongLong();
    const qsizetype bodyStart = headerEnd + 4;
    if (buffer.size() < bodyStart + length)
        return std::nullopt;
    request.body = buffer.mid(bodyStart, length);
    buffer.remove(0, bodyStart + length);
    return request;
}

FakeService::Rule FakeService::ruleFor(const QString &target) const {
    const QString relative = target.startsWith(u'/') ? target.mid(1) : target;
    const QString *bestKey = nullptr;
    for (auto it = m_rules.constBegin(); it != m_rules.constEnd(); ++it) {
        if (relative.startsWith(it.key()) && (!bestKey || it.key().size() > bestKey->size()))
            bestKey = &it.key();
    }
    if (!bestKey)
        return Rule{404, {}, {}};
    return m_rules.value(*bestKey);
}

void FakeService::answer(QTcpSocket *socket, const Rule &rule) {
    QByteArray head = "HTTP/1.1 " + QByteArray::number(rule.status) + " Scripted\r\n";
    head += "Content-Length: " + QByteArray::number(rule.body.size()) + "\r\n";
    head += "Connection: close\r\n";
    if (!rule.headers.contains("Content-Type"))
        head += "Content-Type: application/json\r\n";
    for (auto it = rule.headers.constBegin(); it != rule.headers.constEnd(); ++it)
        head += it.key() + ": " + it.value() + "\r\n";
    socket->write(head + "\r\n" + rule.body);
    socket->disconnectFromHost();
}

QList<RecordedRequest> FakeService::requestsTo(const QString &prefix) const {
    QList<RecordedRequest> found;
    for (const RecordedRequest &request : m_requests)
        if (QStringView(request.target).sliced(1).startsWith(prefix))
            found.append(request);
    return found;
}

QStringList FakeService::targets(const QString &prefix) const {
    QStringList found;
    for (const RecordedRequest &request : requestsTo(prefix))
        found.append(request.target.mid(1));
    return found;
}
