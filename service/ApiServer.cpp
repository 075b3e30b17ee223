// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ApiServer.h"

#include "CallerAddress.h"

#include "AccountApi.h"
#include "ApiError.h"
#include "BodyLimitedServer.h"
#include "ChatApi.h"
#include "DemoCrowd.h"
#include "DemoSeeder.h"
#include "EnvelopeKeyStore.h"
#include "EventHub.h"
#include "FeedApi.h"
#include "ResponseQueue.h"
#include "ServiceContext.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QHttpServerResponder>
#include <QPointer>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslServer>
#include <QTcpSocket>
#include <QTextStream>
#include <QThread>
#include <QWebSocket>

#include <cstdio>

namespace {

QByteArray methodName(QHttpServerRequest::Method method) {
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Post:
        return "POST";
    case QHttpServerRequest::Method::Put:
        return "PUT";
    case QHttpServerRequest::Method::Delete:
        return "DELETE";
    case QHttpServerRequest::Method::Head:
        return "HEAD";
    case QHttpServerRequest::Method::Patch:
        return "PATCH";
    case QHttpServerRequest::Method::Options:
        return "OPTIONS";
    default:
        return "OTHER";
    }
}

} // namespace

ApiServer::ApiServer(const ServiceOptions &options, Database &db, QObject *parent)
    : QAbstractHttpServer(parent)
    , m_options(options)
    , m_context(std::make_unique<ServiceContext>(m_options, db)) {
    const bool demoPeople = DemoSeeder(*m_context).demoPeopleCount() > 0;
    if (m_options.demoForced ? m_options.demo : demoPeople) {
        m_demo = std::make_unique<DemoCrowd>(*m_context);
        m_context->demo = m_demo.get();
    }
    AccountApi::addRoutes(m_router, *m_context);
    FeedApi::addRoutes(m_router, *m_context);
    ChatApi::addRoutes(m_router, *m_context);
    // The channel is only ever an upgrade; the plain call says so to whoever may make it.
    m_router.add(QHttpServerRequest::Method::Get, QStringLiteral("events"), Access::Member,
                 [](ApiRequest &) -> Reply {
                     throw ApiError(426, QStringLiteral("Нужно соединение WebSocket"));
                 });
    m_events = std::make_unique<EventHub>(
        m_context->events,
        [this](const QByteArray &auth) {
            HttpCall call;
            call.auth = auth;
            return authorise(call, Access::Member);
        },
        m_workers, m_options.events, m_options.proxy);
    m_workers.setMaxThreadCount(m_options.workers);
    m_uploadWorkers.setMaxThreadCount(std::max(1, QThread::idealThreadCount() / 2));
    // A thread keeps its database connection for as long as it lives.
    m_workers.setExpiryTimeout(-1);
    m_uploadWorkers.setExpiryTimeout(-1);
}

ApiServer::~ApiServer() = default;

quint16 ApiServer::start(QString *error) {
    try {
        // Review mode is the operator's choice: a token known in advance would open an account
        // that meets real people.
        if (m_options.reviewToken.isEmpty())
            DemoSeeder(*m_context).retireReviewer();
        else
            DemoSeeder(*m_context).ensureReviewer();
        m_context->envelopeKey =
            m_options.envelopeKey.isEmpty() ? storedEnvelopeKey() : m_options.envelopeKey;
    } catch (const DbError &e) {
        *error = QString::fromUtf8(e.what());
        return 0;
    }
    if (!m_context->events.listen(error, m_options.events.ping))
        return 0;
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, [this] {
        while (hasPendingWebSocketConnections())
            m_events->adopt(nextPendingWebSocketConnection());
    });
    QTcpServer *server = nullptr;
    if (!m_options.tlsCert.isEmpty()) {
        QFile certFile(m_options.tlsCert);
        QFile keyFile(m_options.tlsKey);
        if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read the TLS certificate or key");
            return 0;
        }
        const QSslCertificate cert(&certFile, QSsl::Pem);
        const QByteArray keyPem = keyFile.readAll();
        QSslKey key(keyPem, QSsl::Rsa, QSsl::Pem);
        if (key.isNull())
            key = QSslKey(keyPem, QSsl::Ec, QSsl::Pem);
        if (cert.isNull() || key.isNull()) {
            *error = QStringLiteral("the TLS certificate or key does not parse");
            return 0;
        }
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(cert);
        tls.setPrivateKey(key);
        auto *sslServer = new BodyLimitedServer<QSslServer>(m_options, m_events.get(), this);
        sslServer->setSslConfiguration(tls);
        server = sslServer;
    } else {
        server = new BodyLimitedServer<QTcpServer>(m_options, m_events.get(), this);
    }
    if (!server->listen(m_options.listenAddress, m_options.port)) {
        *error = QStringLiteral("cannot listen on %1:%2")
                     .arg(m_options.listenAddress.toString())
                     .arg(m_options.port);
        delete server;
        return 0;
    }
    bind(server);
    return server->serverPort();
}

QByteArray ApiServer::storedEnvelopeKey() {
    EnvelopeKeyStore keys(m_context->db);
    if (const QByteArray key = keys.load(); !key.isEmpty())
        return key;
    // A first start without --init-schema (a freshly installed service) makes the key too,
    // but never writes it to the log: the operator asks for it with --print-envelope-key.
    if (!keys.generateIfMissing().isEmpty())
        QTextStream(stdout) << "Made a new envelope key; show it with --print-envelope-key"
                            << Qt::endl;
    return keys.load();
}

QString ApiServer::authorise(const HttpCall &call, Access access) {
    const QString header = QString::fromUtf8(call.auth).trimmed();
    QString token;
    if (header.startsWith(QLatin1String("bear "), Qt::CaseInsensitive))
        token = header.mid(5).trimmed();
    else if (header.startsWith(QLatin1String("bearer "), Qt::CaseInsensitive))
        token = header.mid(7).trimmed();
    if (token.isEmpty())
        throw ApiError(401, QStringLiteral("Требуется вход в аккаунт"));
    const TokenStore::Bearer bearer =
        !m_options.reviewToken.isEmpty() && token == m_options.reviewToken
            ? TokenStore::Bearer{ServiceContext::reviewerId(),
                                 m_context->users.state(ServiceContext::reviewerId())}
            : m_context->tokens.resolve(token);
    const QString &userId = bearer.userId;
    const AccountState &state = bearer.state;
    if (!state.exists)
        throw ApiError(401, QStringLiteral("Сессия истекла, войди снова"));
    if (state.banned)
        throw ApiError(451, QStringLiteral("Твой аккаунт заблокирован"));
    if (state.deleted && access != Access::DeletedAllowed)
        throw ApiError(410, QStringLiteral("Ты удалил свой аккаунт"));
    return userId;
}

Reply ApiServer::dispatch(const HttpCall &call) {
    if (call.body.size() > m_options.maxBodyBytes)
        return Reply::error(413, QStringLiteral("Слишком большой запрос"));
    const QString path = call.url.path().mid(1);
    const Router::Match match = m_router.find(call.method, path);
    if (!match.route) {
        return match.wrongMethod ? Reply::error(405, QStringLiteral("Метод не поддерживается"))
                                 : Reply::error(404, QStringLiteral("Такого адреса нет"));
    }
    ApiRequest apiRequest(call, match.args);
    try {
        if (match.route->access != Access::Public)
            apiRequest.setUserId(authorise(call, match.route->access));
        return match.route->handler(apiRequest);
    } catch (const ApiError &e) {
        return Reply::error(e.status(), e.reason());
    } catch (const DbError &e) {
        QTextStream(stdout) << "Database error: " << e.what() << Qt::endl;
        return Reply::error(500, QStringLiteral("Ошибка базы данных, попробуй позже"));
    } catch (const std::exception &e) {
        QTextStream(stdout) << "Internal error: " << e.what() << Qt::endl;
        return Reply::error(500, QStringLiteral("Внутренняя ошибка сервера"));
    }
}

bool ApiServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) {
    // An upgrade was admitted as its headers came in, and the connection is the WebSocket
    // server's by now; the HTTP server still offers the request, but nothing may answer it.
    if (!request.value("upgrade").isEmpty())
        return true;
    const QPointer<ResponseQueue> queue = ResponseQueue::of(socket);
    const quint64 ticket = queue->reserve();
    // The socket stays on this thread; the worker gets its caller's address as text.
    HttpCall call = HttpCall::from(request);
    call.caller =
        CallerAddress::of(socket->peerAddress(), request.value("x-forwarded-for"), m_options.proxy);
    QThreadPool &pool =
        call.url.path() == QLatin1String("/images/upload") ? m_uploadWorkers : m_workers;
    pool.start([this, call = std::move(call), queue, ticket] {
        QElapsedTimer timer;
        timer.start();
        const Reply reply = dispatch(call);
        // When and from whom, then the path only: queries may carry dates and ids, and tokens
        // travel in headers.
        const QByteArray line =
            QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1() + ' ' +
            call.caller + ' ' + methodName(call.method) + ' ' + call.url.path().toUtf8().left(200) +
            ' ' + QByteArray::number(reply.status) + ' ' + QByteArray::number(timer.elapsed()) +
            " ms\n";
        std::fputs(line.constData(), stdout);
        std::fflush(stdout);
        // The socket belongs to the main thread, and may have closed in the meantime.
        QMetaObject::invokeMethod(
            this,
            [queue, ticket, message = reply.message()]() mutable {
                if (queue)
                    queue->fulfil(ticket, std::move(message));
            },
            Qt::QueuedConnection);
    });
    return true;
}

void ApiServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) {
    const Reply reply = Reply::error(404, QStringLiteral("Такого адреса нет"));
    makeResponder(request, socket)
        .write(reply.body, reply.mimeType, QHttpServerResponder::StatusCode::NotFound);
}
