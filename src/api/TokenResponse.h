// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"

#include <QJsonObject>

// The access token issued at sign-in; opaque to the client.
struct TokenResponse {
    QString token;

    [[nodiscard]] static TokenResponse read(DecodeContext &context);
    [[nodiscard]] static std::optional<TokenResponse> fromJson(const QJsonValue &value,
                                                               QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson() const;

    friend bool operator==(const TokenResponse &, const TokenResponse &) = default;
};
