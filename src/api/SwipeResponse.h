// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"

#include <QJsonObject>

// The outcome of a swipe: "swipeCreated", "matchCreated" or "matchAlreadyExists". Other
// texts are kept as they came so the callers can log them.
struct SwipeResponse {
    QString status;
    std::optional<QString> message;

    [[nodiscard]] static SwipeResponse read(DecodeContext &context);
    [[nodiscard]] static std::optional<SwipeResponse> fromJson(const QJsonValue &value,
                                                               QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson() const;
    /// The diagnostic line of the outcome: "Match!", "Match Exists", "Swipe created, no match
    /// yet." or "Received response: " with the status and the message.
    [[nodiscard]] QString logLine() const;
    [[nodiscard]] bool createdMatch() const { return status == u"matchCreated"; }

    friend bool operator==(const SwipeResponse &, const SwipeResponse &) = default;
};
