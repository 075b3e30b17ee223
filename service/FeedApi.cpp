// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FeedApi.h"

#include "ApiError.h"
#include "DemoCrowd.h"
#include "PhotoCleaner.h"
#include "Router.h"
#include "ServiceContext.h"

#include <QJsonArray>

namespace {

using Method = QHttpServerRequest::Method;

Reply swipe(ApiRequest &req, ServiceContext &ctx) {
    // The likes screen names the swiping person too; it can only be the caller.
    if (req.has(QStringLiteral("fromUserID")) &&
        req.uuid(QStringLiteral("fromUserID")) != req.userId())
        throw ApiError(403, QStringLiteral("Можно отвечать только от своего имени"));
    const QString to = req.uuid(QStringLiteral("toUserID"));
    const QString kind = req.string(QStringLiteral("swipeType"), 10);
    if (kind != QLatin1String("left") && kind != QLatin1String("right") &&
        kind != QLatin1String("superlike"))
        throw ApiError(400, QStringLiteral("Недопустимое значение поля «swipeType»"));
    const QString message = req.has(QStringLiteral("message"))
                                ? req.string(QStringLiteral("message"), 500).trimmed()
                                : QString();
    const MatchStore::SwipeResult result = ctx.matches.swipe(req.userId(), to, kind, message);
    if (ctx.demo)
        ctx.demo->onSwipe(req.userId(), to, kind, result.status);
    QJsonObject answer{{QStringLiteral("status"), result.status}};
    if (result.status == QLatin1String("matchCreated"))
        answer.insert(QStringLiteral("message"), QStringLiteral("У вас взаимная симпатия!"));
    return Reply::json(answer);
}

Reply upload(ApiRequest &req, ServiceContext &ctx) {
    // Every upload is decoded and screened; an account replacing its photos all hour is not
    // someone editing a profile.
    if (!ctx.uploads.take(req.userId().toLatin1()))
        throw ApiError(429, QStringLiteral("Слишком много загрузок фото, попробуй позже"));
    const QJsonValue value = req.value(QStringLiteral("images"));
    if (!value.isArray())
        throw ApiError(400, QStringLiteral("Поле «images» должно быть списком"));
    const QJsonArray list = value.toArray();
    if (list.isEmpty())
        throw ApiError(400, QStringLiteral("Изображения отсутствуют"));
    if (list.size() > ImageStore::kMaxPhotos)
        throw ApiError(400, QStringLiteral("Изображений больше 6"));
    QList<QByteArray> images;
    for (const QJsonValue &item : list) {
        if (!item.isString())
            throw ApiError(400, QStringLiteral("Изображение должно быть строкой base64"));
        const auto decoded = QByteArray::fromBase64Encoding(
            item.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded || decoded.decoded.isEmpty())
            throw ApiError(400, QStringLiteral("Изображение повреждено (неверный base64)"));
        if (decoded.decoded.size() > ctx.options.maxImageBytes)
            throw ApiError(413, QStringLiteral("Изображение слишком большое"));
        const QString extension = ImageStore::extensionOf(decoded.decoded);
        if (extension.isEmpty())
            throw ApiError(415, QStringLiteral("Формат изображения не поддерживается"));
        QByteArray cleaned = PhotoCleaner::clean(decoded.decoded, extension);
        if (cleaned.isEmpty())
            throw ApiError(415, QStringLiteral("Изображение повреждено"));
        images.append(std::move(cleaned));
    }
    const QString origin = req.origin(ctx.options.publicBaseUrl);
    QJsonArray urls;
    for (const QString &name : ctx.images.replace(req.userId(), images))
        urls.append(origin + QStringLiteral("/images/") + name);
    return Reply::json(QJsonObject{{QStringLiteral("photoURLs"), urls}});
}

Reply image(ApiRequest &req, ServiceContext &ctx) {
    const QString name = req.args().at(0);
    const auto bytes = ctx.images.read(name);
    if (!bytes)
        throw ApiError(404, QStringLiteral("Фото не найдено"));
    return Reply{200, *bytes, ImageStore::mimeTypeOf(name.section(QLatin1Char('.'), -1))};
}

} // namespace

void FeedApi::addRoutes(Router &router, ServiceContext &ctx) {
    router.add(Method::Get, QStringLiteral("fetchProfiles"), Access::Member, [&ctx](ApiRequest &r) {
        return Reply::json(
            ctx.discovery.fetchProfiles(r.userId(), r.origin(ctx.options.publicBaseUrl)));
    });
    router.add(Method::Get, QStringLiteral("likes"), Access::Member, [&ctx](ApiRequest &r) {
        return Reply::json(ctx.discovery.likes(r.userId(), r.origin(ctx.options.publicBaseUrl)));
    });
    router.add(Method::Post, QStringLiteral("swipes"), Access::Member,
               [&ctx](ApiRequest &r) { return swipe(r, ctx); });
    router.add(Method::Post, QStringLiteral("complain"), Access::Member, [&ctx](ApiRequest &r) {
        ctx.matches.complain(r.userId(), r.uuid(QStringLiteral("toUserID")),
                             r.string(QStringLiteral("message"), 2000));
        return Reply::empty();
    });
    router.add(Method::Post, QStringLiteral("user/block"), Access::Member, [&ctx](ApiRequest &r) {
        ctx.matches.block(r.userId(), r.uuid(QStringLiteral("toUserID")));
        return Reply::empty();
    });
    router.add(Method::Post, QStringLiteral("images/upload"), Access::Member,
               [&ctx](ApiRequest &r) { return upload(r, ctx); });
    router.add(Method::Get, QStringLiteral("images/*"), Access::Public,
               [&ctx](ApiRequest &r) { return image(r, ctx); });
}
