// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/NetworkService.h"

#include "BuildConfigValues.h"
#include "api/WireLog.h"
#include "platform/DiagnosticLog.h"
#include "platform/NetworkAddress.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {

constexpr std::chrono::milliseconds defaultTimeout = std::chrono::seconds(60);
constexpr qint64 kLargestAnswer = 8 * 1024 * 1024;
constexpr const char *tooLargeKey = "zirelTooLarge";

// A developer may point a build at another service, but never send the token in clear text
// off this machine.
QString initialBaseUrl() {
    const QString fallback = QStringLiteral(ZIREL_BUILD_BASE_URL);
    const QString configured = qEnvironmentVariable("ZIREL_BASE_URL");
    if (configured.isEmpty())
        return fallback;
    if (!NetworkAddress::mayFetch(QUrl(configured, QUrl::StrictMode))) {
        qCWarning(lcNetwork).noquote()
            << QStringLiteral("Ignoring ZIREL_BASE_URL (needs https, or http to "
                              "a loopback host): ") +
                   configured;
        return fallback;
    }
    return configured.endsWith(u'/') ? configured : configured + u'/';
}

// What the user reads when the service could not be reached; Qt's own texts are English and
// technical, and go to the log instead.
QString transportReason(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
        return NetworkService::tr("Нет подключения к интернету");
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::ServiceUnavailableError:
        return NetworkService::tr("Сервер недоступен. Попробуй ещё раз позже");
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return NetworkService::tr("Сервер не отвечает. Попробуй ещё раз");
    case QNetworkReply::RemoteHostClosedError:
        return NetworkService::tr("Соединение с сервером прервалось. Попробуй ещё раз");
    case QNetworkReply::SslHandshakeFailedError:
        return NetworkService::tr("Не удалось установить защищённое соединение с сервером");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError:
        return NetworkService::tr("Прокси-сервер не пропустил соединение");
    case QNetworkReply::InsecureRedirectError:
    case QNetworkReply::TooManyRedirectsError:
        return NetworkService::tr("Сервер перенаправил запрос на чужой адрес");
    default:
        return NetworkService::tr("Не удалось связаться с сервером");
    }
}

QString describeResponse(const QNetworkReply &reply, int status) {
    QStringList headers;
    for (const auto &[name, value] : reply.rawHeaderPairs())
        headers.append(QString::fromLatin1(name) + QStringLiteral(": ") +
                       QString::fromLatin1(value));
    return QStringLiteral("{ URL: %1 } { Status Code: %2, Headers { %3 } }")
        .arg(reply.url().toString(), QString::number(status), headers.join(QStringLiteral("; ")));
}

} // namespace

NetworkService::NetworkService(QObject *parent)
    : QObject(parent)
    , m_baseUrl(initialBaseUrl())
    , m_timeoutMs(defaultTimeout.count()) {}

void NetworkService::setBaseUrl(const QString &base) {
    QMutexLocker locker(&m_mutex);
    m_baseUrl = base;
}

QString NetworkService::baseUrl() const {
    QMutexLocker locker(&m_mutex);
    return m_baseUrl;
}

void NetworkService::setPaseto(const std::optional<QString> &token) {
    QMutexLocker locker(&m_mutex);
    m_paseto = token;
}

std::optional<QString> NetworkService::paseto() const {
    QMutexLocker locker(&m_mutex);
    return m_paseto;
}

void NetworkService::setTimeout(std::chrono::milliseconds timeout) {
    m_timeoutMs = timeout.count();
}

void NetworkService::setAccountSwitchHandler(std::function<void(Progress)> handler) {
    QMutexLocker locker(&m_mutex);
    m_accountSwitchHandler = std::move(handler);
}

QNetworkAccessManager *NetworkService::manager() {
    Q_ASSERT(m_thread.isCurrent());
    if (!m_manager)
        m_manager = new QNetworkAccessManager(m_thread.context());
    return m_manager;
}

void NetworkService::send(const QString &path, const QString &method,
                          const std::optional<QJsonObject> &body, bool authorised,
                          std::function<void(const HttpReply &)> onReply) {
    // Tolerant parsing keeps the caller's text as composed: query colons, "?" and "&" are
    // sent as they are, nothing is percent-encoded on purpose.
    const QUrl url(baseUrl() + path, QUrl::TolerantMode);
    if (!url.isValid()) {
        // Nothing can go out, but the caller still hears of it, on the thread any answer
        // comes on: a screen waiting for this answer would otherwise wait for ever.
        HttpReply unsendable;
        unsendable.transportError = QStringLiteral("no valid address: ") + url.errorString();
        unsendable.transportCode = QNetworkReply::ProtocolUnknownError;
        unsendable.description = QStringLiteral("nil");
        m_thread.post([unsendable, onReply = std::move(onReply)] { onReply(unsendable); });
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(static_cast<int>(m_timeoutMs.load()));
    // A redirect is followed only within the service's own origin (same scheme, host and
    // port), so the token never travels to another host or over a weaker scheme.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    if (authorised) {
        if (const auto token = paseto())
            request.setRawHeader("auth", "bear " + token->toUtf8());
    }
    request.setRawHeader("Content-Type", "application/json");
    const QByteArray data =
        body ? QJsonDocument(*body).toJson(QJsonDocument::Compact) : QByteArray();
    const QByteArray verb = method.toLatin1();

    const qint64 deadlineMs = m_timeoutMs.load();
    m_thread.post([this, request, verb, data, deadlineMs, onReply = std::move(onReply)] {
        QNetworkReply *reply = manager()->sendCustomRequest(request, verb, data);
        // The transfer time-out only notices silence; an answer that trickles in a byte at a
        // time would never end. The whole exchange gets the same time at most.
        QTimer::singleShot(deadlineMs, reply, [reply] {
            if (reply->isRunning())
                reply->abort();
        });
        // No answer of the service comes near this size; a larger one is refused before it
        // is held in memory, let alone logged or parsed.
        connect(reply, &QNetworkReply::downloadProgress, reply,
                [reply](qint64 received, qint64 total) {
                    if (received > kLargestAnswer || total > kLargestAnswer) {
                        reply->setProperty(tooLargeKey, true);
                        reply->abort();
                    }
                });
        connect(reply, &QNetworkReply::finished, m_thread.context(), [this, reply, onReply] {
            reply->deleteLater();
            const HttpReply read = readReply(*reply);
            if (read.status)
                Q_EMIT serviceAnswered();
            onReply(read);
        });
    });
}

NetworkService::HttpReply NetworkService::readReply(QNetworkReply &reply) {
    HttpReply result;
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // QNetworkReply also flags 4xx/5xx answers as errors; only failures below the HTTP
    // layer (connection, time-out, TLS, proxy) count as transport failures.
    const QNetworkReply::NetworkError error = reply.error();
    const bool transportFailure = error != QNetworkReply::NoError &&
                                  (!status.isValid() || error < QNetworkReply::ContentAccessDenied);
    // A large answer may also have arrived whole before its size was noticed.
    if (reply.property(tooLargeKey).toBool() || reply.bytesAvailable() > kLargestAnswer) {
        result.transportError = QStringLiteral("answer over %1 bytes").arg(kLargestAnswer);
        result.tooLarge = true;
        result.description = QStringLiteral("nil");
        return result;
    }
    if (transportFailure) {
        result.transportError = reply.errorString();
        result.transportCode = error;
        result.description = QStringLiteral("nil");
        return result;
    }
    if (status.isValid())
        result.status = status.toInt();
    result.description =
        result.status ? describeResponse(reply, *result.status) : QStringLiteral("nil");
    result.body = reply.readAll();
    return result;
}

NetworkService::Triage NetworkService::triage(const HttpReply &reply, bool acceptsEmpty) {
    Triage result;
    qCInfo(lcNetwork).noquote() << QStringLiteral("response: ") + reply.description;
    if (reply.transportError) {
        qCWarning(lcNetwork).noquote()
            << QStringLiteral("Ошибка соединения: ") + *reply.transportError;
        result.failure = APIError::noAnswer(reply.tooLarge ? tr("Ответ сервера слишком большой")
                                                           : transportReason(reply.transportCode));
        return result;
    }
    if (!reply.status) {
        result.failure = APIError::client(tr("Сервер вернул пустой ответ"));
        return result;
    }
    const int status = *reply.status;
    if (status == 410 || status == 451) {
        const bool deleted = status == 410;
        switchAccount(deleted ? Progress::Delete : Progress::Ban);
        result.failure = APIError::client(deleted ? tr("Ты удалил свой аккаунт")
                                                  : tr("Твой аккаунт заблокирован"));
        return result;
    }
    if (lcWire().isDebugEnabled()) {
        if (QString::fromUtf8(reply.body).toUtf8() == reply.body)
            qCDebug(lcWire).noquote()
                << QStringLiteral("Raw server response body: ") + WireLog::masked(reply.body);
        else
            qCDebug(lcWire).noquote()
                << QStringLiteral("Failed to convert response data to string.");
    }

    if (reply.body.isEmpty()) {
        if (acceptsEmpty && status >= 200 && status <= 299)
            result.acceptedEmpty = true;
        else
            result.failure = APIError::client(tr("Сервер вернул пустой ответ"));
        return result;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(reply.body, &parseError);
    if (document.isNull()) {
        result.parseError = QStringLiteral("The data is not valid JSON: %1 at offset %2")
                                .arg(parseError.errorString())
                                .arg(parseError.offset);
        return result;
    }
    result.json =
        document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array());
    if (const auto serviceError = APIError::fromJson(result.json);
        serviceError && serviceError->error) {
        qCWarning(lcNetwork).noquote()
            << QStringLiteral("serverError: ") + serviceError->description();
        result.failure = *serviceError;
    }
    return result;
}

void NetworkService::switchAccount(Progress progress) {
    std::function<void(Progress)> handler;
    {
        QMutexLocker locker(&m_mutex);
        handler = m_accountSwitchHandler;
    }
    if (!handler || !QCoreApplication::instance())
        return;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [handler, progress] { handler(progress); },
        Qt::QueuedConnection);
}

APIError NetworkService::decodingFailed(const QString &description) {
    // The person reads in their own language that the answer could not be read. The decoder's
    // account of it quotes the answer, which may hold anyone's words, so it is written only with
    // the raw answers, for a developer who turns them on.
    qCWarning(lcNetwork) << "Undecodable answer";
    qCDebug(lcWire).noquote() << QStringLiteral("Undecodable answer: ") + description;
    return APIError::client(tr("Декодирование не удалось: ") +
                            tr("Данные не удалось прочитать, так как они имеют неверный формат."));
}

APIError NetworkService::serverError() {
    return APIError::client(tr("Ошибка сервера"));
}
