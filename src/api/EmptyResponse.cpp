// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/EmptyResponse.h"

EmptyResponse EmptyResponse::read(DecodeContext &context) {
    context.requireObject();
    return {};
}

std::optional<EmptyResponse> EmptyResponse::fromJson(const QJsonValue &value, QString *error) {
    return decodeRecord<EmptyResponse>(value, error);
}
