// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/APIError.h"

APIError APIError::read(DecodeContext &context) {
    APIError result;
    result.reason = context.string("reason");
    result.error = context.boolean("error");
    return result;
}

std::optional<APIError> APIError::fromJson(const QJsonValue &value, QString *error) {
    return decodeRecord<APIError>(value, error);
}

QJsonObject APIError::toJson() const {
    return {{QStringLiteral("reason"), reason}, {QStringLiteral("error"), error}};
}

QString APIError::description() const {
    return QStringLiteral("APIError(reason: \"%1\", error: %2)")
        .arg(reason, error ? QStringLiteral("true") : QStringLiteral("false"));
}
