// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"

// The answer to sendMessage: the message as the service keeps it, the same one however often it
// was sent. A service that answers with an empty object is understood too; the id is then unknown.
struct SendMessageResponse {
    std::optional<QUuid> id;

    [[nodiscard]] static SendMessageResponse read(DecodeContext &context);
    [[nodiscard]] static std::optional<SendMessageResponse> fromJson(const QJsonValue &value,
                                                                     QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson() const;

    friend bool operator==(const SendMessageResponse &, const SendMessageResponse &) = default;
};
