// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Decoder.h"
#include "api/EmptyResponse.h"
#include "api/Result.h"
#include "platform/Progress.h"
#include "platform/WorkerThread.h"

#include <QByteArray>
#include <QJsonObject>
#include <QMutex>
#include <QNetworkReply>
#include <QObject>
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <type_traits>

class QNetworkAccessManager;
class QNetworkReply;

// The one way to the service. Each request is sent once; its completion receives the decoded
// record or an APIError and runs on the network worker thread, never on the main thread, so
// callers hop to the main thread themselves before touching screens. Nothing here retries; only
// QNetworkAccessManager itself resends once when a connection closes before any byte of the
// answer arrived, which the public API gives no way to turn off.
class NetworkService : public QObject {
    Q_OBJECT
public:
    // The base address starts as the build's ZIREL_BUILD_BASE_URL, or the environment's
    // ZIREL_BASE_URL when that is https or plain http to a loopback host.
    explicit NetworkService(QObject *parent = nullptr);

    // Origin followed by "/"; paths are appended to it as they are.
    void setBaseUrl(const QString &base);
    [[nodiscard]] QString baseUrl() const;
    // The access token sent in the "auth" header of authorised calls.
    void setPaseto(const std::optional<QString> &token);
    [[nodiscard]] std::optional<QString> paseto() const;
    // How long one request may take before it fails as a transport error (60 s by default).
    void setTimeout(std::chrono::milliseconds timeout);
    // Called on the main thread with `Delete` (410) or `Ban` (451) before the caller gets its
    // failure; the application stores the value and switches to the restore screen.
    void setAccountSwitchHandler(std::function<void(Progress)> handler);

    // Sends base address + path. The completion is called exactly once, except when the text
    // does not form a URL: then nothing is sent and nothing is reported.
    template <class T>
    void request(const QString &path, const QString &method, std::optional<QJsonObject> body,
                 bool authorised, std::function<void(Result<T>)> completion) {
        send(path, method, body, authorised,
             [this, completion = std::move(completion)](const HttpReply &reply) {
                 Result<T> result = classify<T>(reply);
                 if (!result.ok() && reply.status) {
                     APIError failure = result.error();
                     failure.status = *reply.status;
                     result = Result<T>::failure(std::move(failure));
                 }
                 completion(std::move(result));
             });
    }

Q_SIGNALS:
    // The service answered a request with any HTTP status: it can be reached again. Emitted on
    // the network worker thread.
    void serviceAnswered();

private:
    // What the HTTP layer reported for one request.
    struct HttpReply {
        std::optional<QString> transportError;
        QNetworkReply::NetworkError transportCode = QNetworkReply::NoError;
        bool tooLarge = false;
        std::optional<int> status; // nothing when the answer is not an HTTP response
        QByteArray body;
        QString description;
    };
    // The classification steps every response type shares. Either a final failure, an
    // accepted empty body, or the parsed body (or its parse error) to decode.
    struct Triage {
        std::optional<APIError> failure;
        bool acceptedEmpty = false;
        QJsonValue json;
        QString parseError;
    };

    void send(const QString &path, const QString &method, const std::optional<QJsonObject> &body,
              bool authorised, std::function<void(const HttpReply &)> onReply);
    QNetworkAccessManager *manager();
    [[nodiscard]] static HttpReply readReply(QNetworkReply &reply);
    [[nodiscard]] Triage triage(const HttpReply &reply, bool acceptsEmpty);
    void switchAccount(Progress progress);
    [[nodiscard]] static APIError decodingFailed(const QString &description);
    [[nodiscard]] static APIError serverError();

    template <class T> Result<T> classify(const HttpReply &reply) {
        constexpr bool acceptsEmpty = std::is_same_v<T, EmptyResponse>;
        const Triage triaged = triage(reply, acceptsEmpty);
        if (triaged.failure)
            return Result<T>::failure(*triaged.failure);
        if constexpr (acceptsEmpty) {
            if (triaged.acceptedEmpty)
                return Result<T>::success(EmptyResponse{});
        }
        QString error = triaged.parseError;
        std::optional<T> decoded;
        if (error.isEmpty())
            decoded = Decoder<T>::decode(triaged.json, &error);
        if (!decoded)
            return Result<T>::failure(decodingFailed(error));
        if (*reply.status < 200 || *reply.status > 299)
            return Result<T>::failure(serverError());
        return Result<T>::success(std::move(*decoded));
    }

    mutable QMutex m_mutex;
    QString m_baseUrl;
    std::optional<QString> m_paseto;
    std::function<void(Progress)> m_accountSwitchHandler;
    std::atomic<qint64> m_timeoutMs;
    WorkerThread m_thread{QStringLiteral("NetworkService")};
    QNetworkAccessManager *m_manager = nullptr; // created and used on the worker thread only
};
