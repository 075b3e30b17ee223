// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/NetworkService.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <chrono>
#include <memory>
#include <optional>

class QTcpSocket;

// One request as it arrived on the wire.
struct RecordedRequest {
    QString method;
    QString target;                     // raw request target, e.g. "/chats?page=1&perPage=20"
    QHash<QString, QByteArray> headers; // names in lower case
    QByteArray body;

    // The body parsed as a JSON object (empty when it is none).
    [[nodiscard]] QJsonObject json() const;
};

// A scripted HTTP service on 127.0.0.1 for network tests. Answers are chosen by the longest
// scripted key that prefixes the request target without its leading "/" (so "chats" answers
// "chats?page=1&perPage=20" and an exact key wins over a shorter one); unscripted targets get
// 404 with an empty body. Every request is recorded.
class FakeService : public QObject {
    Q_OBJECT
public:
    explicit FakeService(QObject *parent = nullptr);

    // Listens on a free port of 127.0.0.1.
    [[nodiscard]] bool start();
    // "http://127.0.0.1:PORT/"
    [[nodiscard]] QString baseUrl() const;
    // A client of this service, signed in with `token`.
    [[nodiscard]] std::unique_ptr<NetworkService>
    client(const QString &token = QStringLiteral("v4.local.test")) const;

    void respond(const QString &key, int status, const QByteArray &body = {},
                 const QHash<QByteArray, QByteArray> &headers = {});
    void respondDelayed(const QString &key, std::chrono::milliseconds delay, int status,
                        const QByteArray &body = {});
    // Closes the connection as soon as the request has arrived, without any answer.
    void dropConnection(const QString &key);

    [[nodiscard]] QList<RecordedRequest> requests() const { return m_requests; }
    // The requests whose target, without its leading "/", starts with `prefix`; and those targets
    // without the "/".
    [[nodiscard]] QList<RecordedRequest> requestsTo(const QString &prefix) const;
    [[nodiscard]] QStringList targets(const QString &prefix) const;
    void clearRequests() { m_requests.clear(); }

Q_SIGNALS:
    void requestReceived(const RecordedRequest &request);

private:
    struct Rule {
        int status = 200;
        QByteArray body;
        QHash<QByteArray, QByteArray> headers;
        std::chrono::milliseconds delay{0};
        bool drop = false;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    // Takes one complete request off the front of the buffer, or nothing while incomplete.
    [[nodiscard]] static std::optional<RecordedRequest> takeRequest(QByteArray &buffer);
    [[nodiscard]] Rule ruleFor(const QString &target) const;
    static void answer(QTcpSocket *socket, const Rule &rule);

    QTcpServer m_server;
    QHash<QString, Rule> m_rules;
    QList<RecordedRequest> m_requests;
};
