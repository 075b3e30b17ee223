// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ChatApi.h"

#include "ApiError.h"
#include "DemoCrowd.h"
#include "Router.h"
#include "ServiceContext.h"

namespace {

using Method = QHttpServerRequest::Method;

int queryInt(const ApiRequest &req, const QString &key, int min, int max) {
    bool ok = false;
    const int value = req.query().queryItemValue(key).toInt(&ok);
    if (!ok || value < min || value > max)
        throw ApiError(400, QStringLiteral("Параметр «%1» должен быть числом от %2 до %3")
                                .arg(key)
                                .arg(min)
                                .arg(max));
    return value;
}

QDateTime queryDate(const ApiRequest &req, const QString &key) {
    // QUrlQuery keeps '+' as is, so an offset such as +03:00 survives; a space means the
    // caller percent-encoded nothing and a form decoder turned '+' into one.
    QString text = req.query().queryItemValue(key, QUrl::FullyDecoded);
    text.replace(QLatin1Char(' '), QLatin1Char('+'));
    const QDateTime date = QDateTime::fromString(text, Qt::ISODate);
    if (!date.isValid())
        throw ApiError(400, QStringLiteral("Параметр «%1» должен быть датой").arg(key));
    return date;
}

QString chatArg(const ApiRequest &req) {
    const QString chatId = ApiRequest::canonicalUuid(req.args().at(0));
    if (chatId.isEmpty())
        throw ApiError(404, QStringLiteral("Чат не найден"));
    return chatId;
}

// newer takes the newest held message as lastMessageID, older the oldest as firstMessageID.
Reply page(ApiRequest &req, ServiceContext &ctx, bool forward) {
    const QString chatId = chatArg(req);
    const QDateTime date =
        queryDate(req, forward ? QStringLiteral("after") : QStringLiteral("before"));
    const QString idKey =
        forward ? QStringLiteral("lastMessageID") : QStringLiteral("firstMessageID");
    QString heldId;
    if (req.query().hasQueryItem(idKey)) {
        heldId = ApiRequest::canonicalUuid(req.query().queryItemValue(idKey));
        if (heldId.isEmpty())
            throw ApiError(400,
                           QStringLiteral("Параметр «%1» должен быть идентификатором").arg(idKey));
    }
    return Reply::json(ctx.matches.page(req.userId(), chatId, forward, date, heldId));
}

Reply send(ApiRequest &req, ServiceContext &ctx) {
    const QString chatId = req.uuid(QStringLiteral("chatID"));
    const QString content = req.string(QStringLiteral("content"), 4000);
    if (content.trimmed().isEmpty())
        throw ApiError(400, QStringLiteral("Сообщение не может быть пустым"));
    // Optional: senders that do not name their messages get one stored per call.
    const QString clientId = req.has(QStringLiteral("clientMessageID"))
                                 ? req.uuid(QStringLiteral("clientMessageID"))
                                 : QString();
    const MatchStore::Sent sent = ctx.matches.send(req.userId(), chatId, content, clientId);
    if (ctx.demo && sent.stored)
        ctx.demo->onMessage(chatId, req.userId());
    return Reply::json(sent.message);
}

} // namespace

void ChatApi::addRoutes(Router &router, ServiceContext &ctx) {
    router.add(Method::Get, QStringLiteral("chats"), Access::Member, [&ctx](ApiRequest &r) {
        return Reply::json(ctx.matches.chats(
            r.userId(), queryInt(r, QStringLiteral("page"), 1, 100000),
            queryInt(r, QStringLiteral("perPage"), 1, 200), r.origin(ctx.options.publicBaseUrl)));
    });
    router.add(Method::Get, QStringLiteral("chats/*/messages/newer"), Access::Member,
               [&ctx](ApiRequest &r) { return page(r, ctx, true); });
    router.add(Method::Get, QStringLiteral("chats/*/messages/older"), Access::Member,
               [&ctx](ApiRequest &r) { return page(r, ctx, false); });
    router.add(Method::Post, QStringLiteral("sendMessage"), Access::Member,
               [&ctx](ApiRequest &r) { return send(r, ctx); });
    router.add(Method::Post, QStringLiteral("cancelMatch"), Access::Member, [&ctx](ApiRequest &r) {
        ctx.matches.cancel(r.userId(), r.uuid(QStringLiteral("matchID")));
        return Reply::empty();
    });
}
