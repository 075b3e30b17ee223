// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/SendMessageResponse.h"

SendMessageResponse SendMessageResponse::read(DecodeContext &context) {
    context.requireObject();
    return {context.optionalUuid("id")};
}

std::optional<SendMessageResponse> SendMessageResponse::fromJson(const QJsonValue &value,
                                                                 QString *error) {
    return decodeRecord<SendMessageResponse>(value, error);
}

QJsonObject SendMessageResponse::toJson() const {
    if (!id)
        return {};
    return {{QStringLiteral("id"), WireFormat::uuidText(*id)}};
}
