// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "HttpCall.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QUrlQuery>

// What a handler answers: status, body and content type.
struct Reply {
    int status = 200;
    QByteArray body;
    QByteArray mimeType = "application/json";

    [[nodiscard]] static Reply json(const QJsonValue &value, int status = 200);
    [[nodiscard]] static Reply empty() { return json(QJsonObject{}); }
    [[nodiscard]] static Reply error(int status, const QString &reason);
    // The whole HTTP/1.1 answer as it goes on the wire; `closing` announces the connection ends.
    [[nodiscard]] QByteArray message(bool closing = false) const;
};

// One incoming call as the handlers see it: path arguments, the signed-in user and typed
// accessors of the JSON body that throw ApiError(400) with a Russian reason on bad input.
class ApiRequest {
public:
    ApiRequest(const HttpCall &http, QStringList args);

    [[nodiscard]] const HttpCall &http() const { return m_http; }
    [[nodiscard]] const QStringList &args() const { return m_args; }
    [[nodiscard]] const QString &userId() const { return m_userId; }
    void setUserId(const QString &id) { m_userId = id; }
    [[nodiscard]] QUrlQuery query() const;
    // Absolute origin of this service as the caller reached it, ending without '/'.
    [[nodiscard]] QString origin(const QString &configured) const;

    [[nodiscard]] QString string(const QString &key, int maxLength = 4000);
    [[nodiscard]] QString uuid(const QString &key);
    [[nodiscard]] bool boolean(const QString &key);
    [[nodiscard]] int integer(const QString &key, int min, int max);
    [[nodiscard]] double number(const QString &key, double min, double max);
    [[nodiscard]] QJsonValue value(const QString &key);
    [[nodiscard]] bool has(const QString &key);

    // Canonical upper-case form of a UUID text, or an empty string when it is not one.
    [[nodiscard]] static QString canonicalUuid(const QString &text);

private:
    const QJsonObject &body();

    const HttpCall &m_http;
    QStringList m_args;
    QString m_userId;
    QJsonObject m_body;
    bool m_parsed = false;
};
