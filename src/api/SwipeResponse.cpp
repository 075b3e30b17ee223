// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/SwipeResponse.h"

SwipeResponse SwipeResponse::read(DecodeContext &context) {
    SwipeResponse response;
    response.status = context.string("status");
    response.message = context.optionalString("message");
    return response;
}

std::optional<SwipeResponse> SwipeResponse::fromJson(const QJsonValue &value, QString *error) {
    return decodeRecord<SwipeResponse>(value, error);
}

QJsonObject SwipeResponse::toJson() const {
    QJsonObject json{{QStringLiteral("status"), status}};
    if (message)
        json.insert(QStringLiteral("message"), *message);
    return json;
}

QString SwipeResponse::logLine() const {
    if (status == u"matchCreated")
        return QStringLiteral("Match!");
    if (status == u"matchAlreadyExists")
        return QStringLiteral("Match Exists");
    if (status == u"swipeCreated")
        return QStringLiteral("Swipe created, no match yet.");
    return QStringLiteral("Received response: ") + status + QStringLiteral(" - ") +
           message.value_or(QString());
}
