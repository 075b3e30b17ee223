#pragma once

#include "api/DecodeContext.h"

#include <QJsonObject>
#include <QString>

// The service's error body and, at the same time, the failure every call reports.
struct APIError {
    QString reason;
    bool error = true;
    // No answer came: the connection failed or timed out, so the service may not have the call.
    // Never part of the wire form.
    bool unanswered = false;

    // A failure raised by the client itself.
    [[nodiscard]] static APIError client(const QString &reason) { return {reason, true}; }
    // A call that got no answer.
    [[nodiscard]] static APIError noAnswer(const QString &reason) { return {reason, true, true}; }

    [[nodiscard]] static APIError read(DecodeContext &context);
    [[nodiscard]] static std::optional<APIError> fromJson(const QJsonValue &value,
                                                          QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson() const;
    // For diagnostics: APIError(reason: "…", error: true).
    [[nodiscard]] QString description() const;

    friend bool operator==(const APIError &, const APIError &) = default;
};
