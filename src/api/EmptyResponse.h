// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"

// The answer of calls whose body carries nothing the client needs: any JSON object.
struct EmptyResponse {
    [[nodiscard]] static EmptyResponse read(DecodeContext &context);
    [[nodiscard]] static std::optional<EmptyResponse> fromJson(const QJsonValue &value,
                                                               QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson() const { return {}; }

    friend bool operator==(const EmptyResponse &, const EmptyResponse &) = default;
};
