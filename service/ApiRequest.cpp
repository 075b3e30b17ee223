// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ApiRequest.h"

#include "ApiError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUuid>

#include <cmath>
#include <map>

Reply Reply::json(const QJsonValue &value, int status) {
    const QJsonDocument doc =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    return Reply{status, doc.toJson(QJsonDocument::Compact), "application/json"};
}

Reply Reply::error(int status, const QString &reason) {
    return json(QJsonObject{{QStringLiteral("reason"), reason}, {QStringLiteral("error"), true}},
                status);
}

QByteArray Reply::message(bool closing) const {
    static const std::map<int, QByteArray> phrases{{200, "OK"},
                                                   {400, "Bad Request"},
                                                   {401, "Unauthorized"},
                                                   {403, "Forbidden"},
                                                   {404, "Not Found"},
                                                   {405, "Method Not Allowed"},
                                                   {409, "Conflict"},
                                                   {410, "Gone"},
                                                   {411, "Length Required"},
                                                   {413, "Payload Too Large"},
                                                   {415, "Unsupported Media Type"},
                                                   {451, "Unavailable For Legal Reasons"},
                                                   {500, "Internal Server Error"}};
    const auto phrase = phrases.find(status);
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' +
           (phrase == phrases.end() ? QByteArray("Status") : phrase->second) +
           "\r\nContent-Type: " + mimeType +
           "\r\nContent-Length: " + QByteArray::number(body.size()) +
           (closing ? "\r\nConnection: close" : "") + "\r\n\r\n" + body;
}

ApiRequest::ApiRequest(const HttpCall &http, QStringList args)
    : m_http(http)
    , m_args(std::move(args)) {}

QUrlQuery ApiRequest::query() const {
    return QUrlQuery(m_http.url);
}

QString ApiRequest::origin(const QString &configured) const {
    if (!configured.isEmpty())
        return configured.endsWith(QLatin1Char('/')) ? configured.chopped(1) : configured;
    const QUrl url = m_http.url;
    QString host = QString::fromLatin1(m_http.host);
    // A Host header with anything but a host name and port would let a caller forge addresses.
    static const QRegularExpression validHost(QStringLiteral("^[A-Za-z0-9.\\-\\[\\]:]{1,255}$"));
    if (!validHost.match(host).hasMatch())
        host = url.host() + (url.port() > 0 ? QStringLiteral(":%1").arg(url.port()) : QString());
    return url.scheme() + QStringLiteral("://") + host;
}

const QJsonObject &ApiRequest::body() {
    if (!m_parsed) {
        QJsonParseError parseError;
        const QJsonDocument doc = QJsonDocument::fromJson(m_http.body, &parseError);
        if (parseError.error != QJsonParseError::NoError || !doc.isObject())
            throw ApiError(400, QStringLiteral("Некорректный JSON в теле запроса"));
        m_body = doc.object();
        m_parsed = true;
    }
    return m_body;
}

bool ApiRequest::has(const QString &key) {
    return body().contains(key) && !body().value(key).isNull();
}

QJsonValue ApiRequest::value(const QString &key) {
    if (!body().contains(key))
        throw ApiError(400, QStringLiteral("Не хватает поля «%1»").arg(key));
    return body().value(key);
}

QString ApiRequest::string(const QString &key, int maxLength) {
    const QJsonValue v = value(key);
    if (!v.isString())
        throw ApiError(400, QStringLiteral("Поле «%1» должно быть строкой").arg(key));
    const QString text = v.toString();
    if (text.size() > maxLength)
        throw ApiError(400, QStringLiteral("Поле «%1» слишком длинное").arg(key));
    // PostgreSQL text cannot hold U+0000, and no person types it.
    if (text.contains(QChar(0)))
        throw ApiError(400, QStringLiteral("Поле «%1» содержит недопустимый символ").arg(key));
    return text;
}

QString ApiRequest::uuid(const QString &key) {
    const QString id = canonicalUuid(string(key, 64));
    if (id.isEmpty())
        throw ApiError(400, QStringLiteral("Поле «%1» должно быть идентификатором").arg(key));
    return id;
}

bool ApiRequest::boolean(const QString &key) {
    const QJsonValue v = value(key);
    if (!v.isBool())
        throw ApiError(400, QStringLiteral("Поле «%1» должно быть логическим").arg(key));
    return v.toBool();
}

int ApiRequest::integer(const QString &key, int min, int max) {
    const QJsonValue v = value(key);
    const double d = v.toDouble();
    if (!v.isDouble() || std::floor(d) != d)
        throw ApiError(400, QStringLiteral("Поле «%1» должно быть целым числом").arg(key));
    if (d < min || d > max)
        throw ApiError(400, QStringLiteral("Поле «%1» вне допустимых пределов").arg(key));
    return int(d);
}

double ApiRequest::number(const QString &key, double min, double max) {
    const QJsonValue v = value(key);
    if (!v.isDouble())
        throw ApiError(400, QStringLiteral("Поле «%1» должно быть числом").arg(key));
    const double d = v.toDouble();
    if (!std::isfinite(d) || d < min || d > max)
        throw ApiError(400, QStringLiteral("Поле «%1» вне допустимых пределов").arg(key));
    return d;
}

QString ApiRequest::canonicalUuid(const QString &text) {
    if (text.size() != 36)
        return {};
    const QUuid id = QUuid::fromString(text);
    if (id.isNull())
        return {};
    return id.toString(QUuid::WithoutBraces).toUpper();
}
