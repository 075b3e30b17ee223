// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "AccountApi.h"

#include "ApiError.h"
#include "DemoCrowd.h"
#include "EnvelopeOpener.h"
#include "Router.h"
#include "ServiceContext.h"

#include <QCryptographicHash>
#include <QDate>
#include <QHostAddress>
#include <QJsonDocument>
#include <QVersionNumber>

namespace {

using Method = QHttpServerRequest::Method;

// The installation's identifier and fresh bytes; anything shorter vouches for nothing.
constexpr qsizetype kMinAttestationBytes = 16;

const QStringList kGenders{QStringLiteral("man"), QStringLiteral("woman"), QStringLiteral("all")};

QString gender(ApiRequest &req, const QString &key, bool allowAll) {
    const QString value = req.string(key, 10);
    if (!kGenders.contains(value) || (!allowAll && value == QLatin1String("all")))
        throw ApiError(400, QStringLiteral("Недопустимое значение поля «%1»").arg(key));
    return value;
}

Reply checkVersion(ApiRequest &req, const ServiceOptions &options) {
    const QVersionNumber version =
        QVersionNumber::fromString(req.string(QStringLiteral("appVersion"), 40));
    if (version.isNull())
        throw ApiError(400, QStringLiteral("Некорректный номер версии"));
    const auto answer = [](const QString &message, bool lock) {
        return Reply::json(
            QJsonObject{{QStringLiteral("message"), message}, {QStringLiteral("isLock"), lock}});
    };
    if (version < QVersionNumber::fromString(options.minVersion))
        return answer(QStringLiteral("Эта версия больше не поддерживается. Обнови приложение, "
                                     "чтобы продолжить."),
                      true);
    if (version < QVersionNumber::fromString(options.latestVersion))
        return answer(QStringLiteral("Доступна новая версия приложения. Обнови его, чтобы "
                                     "получить новые возможности."),
                      false);
    // The client raises an overlay for every verdict it receives, and that overlay never
    // closes; an up-to-date client must not be stopped, so it gets the service's error body,
    // which it only logs.
    return Reply::error(200, QStringLiteral("У тебя последняя версия"));
}

// What one caller holds: an IPv4 address, or a whole IPv6 /64, which any one line gets.
QByteArray addressBlock(const QByteArray &caller) {
    const QHostAddress address(QString::fromLatin1(caller));
    if (address.protocol() != QAbstractSocket::IPv6Protocol)
        return caller;
    Q_IPV6ADDR bytes = address.toIPv6Address();
    std::fill(std::begin(bytes.c) + 8, std::end(bytes.c), quint8(0));
    return QHostAddress(bytes).toString().toLatin1();
}

Reply validateDevice(ApiRequest &req, ServiceContext &ctx) {
    // Each sign-in can make an account; one address making thousands is a script.
    if (!ctx.signIns.take(addressBlock(req.http().caller)))
        throw ApiError(429, QStringLiteral("Слишком много входов, попробуй позже"));
    const QByteArray box =
        QByteArray::fromBase64(req.string(QStringLiteral("data"), 12 * 1024).toLatin1(),
                               QByteArray::AbortOnBase64DecodingErrors);
    const auto plain = EnvelopeOpener(ctx.envelopeKey).open(box);
    if (!plain)
        throw ApiError(400, QStringLiteral("Не удалось проверить устройство"));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(*plain, &parseError);
    const QJsonObject sealed = doc.object();
    const QJsonObject device = sealed.value(QStringLiteral("device")).toObject();
    bool ok = doc.isObject() && sealed.value(QStringLiteral("tok1")).isString() &&
              sealed.value(QStringLiteral("tok3")).isString() &&
              sealed.value(QStringLiteral("device")).isObject();
    for (const char *key : {"deviceName", "deviceModel", "systemName", "systemVersion"})
        ok = ok && device.value(QLatin1String(key)).isString();
    const QJsonValue appVersion = device.value(QStringLiteral("appVersion"));
    ok = ok && (appVersion.isUndefined() || appVersion.isString());
    const QString userId =
        ApiRequest::canonicalUuid(sealed.value(QStringLiteral("tok2")).toString());
    const QString cloudId = sealed.value(QStringLiteral("tok1")).toString();
    // The identity a client had before it kept a random one of its own.
    const QJsonValue previous = sealed.value(QStringLiteral("tok1Previous"));
    ok = ok &&
         (previous.isUndefined() || (previous.isString() && previous.toString().size() <= 256));
    const auto attestation =
        QByteArray::fromBase64Encoding(sealed.value(QStringLiteral("tok3")).toString().toLatin1(),
                                       QByteArray::AbortOnBase64DecodingErrors);
    if (!ok || userId.isEmpty() || cloudId.isEmpty() || cloudId.size() > 256 ||
        cloudId.contains(QChar(0)) || !attestation ||
        attestation.decoded.size() < kMinAttestationBytes)
        throw ApiError(400, QStringLiteral("Некорректные данные устройства"));
    if (!ctx.tokens.claimAttestation(attestation.decoded))
        throw ApiError(401, QStringLiteral("Не удалось проверить устройство"));
    const UserStore::SignIn signIn =
        ctx.users.signIn(userId, cloudId, previous.toString(),
                         QString::fromUtf8(QJsonDocument(device).toJson(QJsonDocument::Compact)));
    if (signIn == UserStore::SignIn::OtherAccount)
        throw ApiError(403, QStringLiteral("Этот аккаунт принадлежит другому пользователю"));
    // The attestation token is the installation's identifier followed by 16 fresh bytes.
    const QByteArray installation = attestation.decoded.chopped(kMinAttestationBytes);
    const QString token = ctx.tokens.issue(
        userId,
        installation.isEmpty()
            ? QString()
            : QString::fromLatin1(
                  QCryptographicHash::hash(installation, QCryptographicHash::Sha256).toHex()));
    return Reply::json(QJsonObject{{QStringLiteral("token"), token}});
}

Reply completeRegistration(ApiRequest &req, ServiceContext &ctx) {
    QJsonObject fields{
        {QStringLiteral("name"), req.string(QStringLiteral("name"), 50).trimmed()},
        {QStringLiteral("birthday"), req.string(QStringLiteral("birthday"), 8)},
        {QStringLiteral("bio"), req.string(QStringLiteral("bio"), 1000)},
        {QStringLiteral("genderInput"), gender(req, QStringLiteral("genderInput"), false)},
        {QStringLiteral("selectedGender"), gender(req, QStringLiteral("selectedGender"), true)}};
    if (fields.value(QStringLiteral("name")).toString().isEmpty())
        throw ApiError(400, QStringLiteral("Имя не может быть пустым"));
    const QString birthday = fields.value(QStringLiteral("birthday")).toString();
    const int age = UserStore::ageFromBirthday(birthday);
    if (UserStore::birthYmd(birthday) == 0 || age < 18 || age > 100)
        throw ApiError(400, QStringLiteral("Некорректная дата рождения"));
    const UserStore::Registration registration =
        ctx.users.completeRegistration(req.userId(), fields);
    if (registration == UserStore::Registration::Refused)
        throw ApiError(409, QStringLiteral("Регистрация уже завершена"));
    if (registration == UserStore::Registration::Done && ctx.demo)
        ctx.demo->onRegistered(req.userId());
    return Reply::empty();
}

Reply updateSettings(ApiRequest &req, ServiceContext &ctx) {
    const QJsonObject settings{
        {QStringLiteral("maxDistance"), req.integer(QStringLiteral("maxDistance"), 1, 20000)},
        {QStringLiteral("showMore"), req.boolean(QStringLiteral("showMore"))},
        {QStringLiteral("selectedGender"), gender(req, QStringLiteral("selectedGender"), true)},
        {QStringLiteral("ageStart"), req.integer(QStringLiteral("ageStart"), 18, 120)},
        {QStringLiteral("ageEnd"), req.integer(QStringLiteral("ageEnd"), 18, 120)},
        {QStringLiteral("showMoreAge"), req.boolean(QStringLiteral("showMoreAge"))},
        {QStringLiteral("active"), req.boolean(QStringLiteral("active"))}};
    if (settings.value(QStringLiteral("ageStart")).toInt() >
        settings.value(QStringLiteral("ageEnd")).toInt())
        throw ApiError(400, QStringLiteral("Нижняя граница возраста больше верхней"));
    ctx.users.updateSettings(req.userId(), settings);
    return Reply::empty();
}

Reply agreement() {
    const QByteArray page =
        QStringLiteral(
            "<!DOCTYPE html><html lang=\"ru\"><head><meta charset=\"utf-8\">"
            "<title>Условия пользования Zirel</title></head><body>"
            "<h1>Условия пользования Zirel</h1>"
            "<p>Пользуясь сервисом, ты подтверждаешь, что тебе исполнилось 18 лет.</p>"
            "<p>Запрещено публиковать чужие фотографии, откровенные изображения, ссылки, "
            "контакты в социальных сетях, оскорбления и рекламу.</p>"
            "<p>Мы храним данные профиля, фотографии, сообщения и примерное местоположение только "
            "для работы сервиса. Ты можешь удалить аккаунт в настройках в любой момент.</p>"
            "<p>Жалобы рассматриваются модераторами; за нарушения аккаунт может быть "
            "заблокирован.</p></body></html>")
            .toUtf8();
    return Reply{200, page, "text/html; charset=utf-8"};
}

} // namespace

void AccountApi::addRoutes(Router &router, ServiceContext &ctx) {
    router.add(Method::Post, QStringLiteral("checkVersion"), Access::Public,
               [&ctx](ApiRequest &r) { return checkVersion(r, ctx.options); });
    router.add(Method::Post, QStringLiteral("validateDevice"), Access::Public,
               [&ctx](ApiRequest &r) { return validateDevice(r, ctx); });
    router.add(Method::Get, QStringLiteral("agreement"), Access::Public,
               [](ApiRequest &) { return agreement(); });
    router.add(Method::Get, QStringLiteral("user"), Access::Member, [&ctx](ApiRequest &r) {
        return Reply::json(ctx.users.userJson(r.userId(), r.origin(ctx.options.publicBaseUrl)));
    });
    router.add(Method::Post, QStringLiteral("completeRegistration"), Access::Member,
               [&ctx](ApiRequest &r) { return completeRegistration(r, ctx); });
    router.add(Method::Put, QStringLiteral("user/bio"), Access::Member, [&ctx](ApiRequest &r) {
        ctx.users.updateBio(
            r.userId(), r.string(QStringLiteral("bio"), 1000), r.string(QStringLiteral("job"), 100),
            r.string(QStringLiteral("edu"), 100), r.string(QStringLiteral("city"), 100));
        return Reply::empty();
    });
    router.add(Method::Put, QStringLiteral("user/settings"), Access::Member,
               [&ctx](ApiRequest &r) { return updateSettings(r, ctx); });
    router.add(Method::Put, QStringLiteral("user/geo"), Access::Member, [&ctx](ApiRequest &r) {
        ctx.users.updateGeo(r.userId(), r.number(QStringLiteral("lat"), -90, 90),
                            r.number(QStringLiteral("long"), -180, 180));
        return Reply::empty();
    });
    router.add(Method::Post, QStringLiteral("pushToken"), Access::Member, [&ctx](ApiRequest &r) {
        ctx.users.setPushToken(r.userId(), r.string(QStringLiteral("pushToken"), 512));
        return Reply::empty();
    });
    router.add(Method::Get, QStringLiteral("deleteAccount"), Access::Member, [&ctx](ApiRequest &r) {
        ctx.users.setDeleted(r.userId(), true);
        ctx.events.close({r.userId()});
        return Reply::empty();
    });
    router.add(Method::Get, QStringLiteral("restoreUser"), Access::DeletedAllowed,
               [&ctx](ApiRequest &r) {
                   ctx.users.setDeleted(r.userId(), false);
                   return Reply::empty();
               });
}
