// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/VersionCheckResponse.h"

VersionCheckResponse VersionCheckResponse::read(DecodeContext &context) {
    VersionCheckResponse response;
    response.message = context.string("message");
    response.isLock = context.boolean("isLock");
    return response;
}

std::optional<VersionCheckResponse> VersionCheckResponse::fromJson(const QJsonValue &value,
                                                                   QString *error) {
    return decodeRecord<VersionCheckResponse>(value, error);
}

QJsonObject VersionCheckResponse::toJson() const {
    return {{QStringLiteral("message"), message}, {QStringLiteral("isLock"), isLock}};
}
