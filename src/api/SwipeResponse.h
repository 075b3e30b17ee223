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

    friend bool operator==(const SwipeResponse &, const SwipeResponse &) = default;
};
