// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/TokenResponse.h"

TokenResponse TokenResponse::read(DecodeContext &context) {
    return {context.string("token")};
}

std::optional<TokenResponse> TokenResponse::fromJson(const QJsonValue &value, QString *error) {
    return decodeRecord<TokenResponse>(value, error);
}

QJsonObject TokenResponse::toJson() const {
    return {{QStringLiteral("token"), token}};
}
