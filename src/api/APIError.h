// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

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
    // The HTTP status of the answer that failed, 0 without one. Never part of the wire form.
    int status = 0;

    // Whether the service may not have carried out the call: no answer, an answer it could not
    // give (5xx), a refused sign-in (401, 403), too many calls (429), an account closed or
    // suspended (410, 451: the refusal is of the account, not of the call, and a restored
    // account may make it), or one that was not its own (a proxy's page, a 2xx it could not
    // have meant). Only its other refusals (4xx) are final.
    [[nodiscard]] bool mayNotHaveStored() const {
        return unanswered || status == 0 || status >= 500 || status < 400 || status == 401 ||
               status == 403 || status == 408 || status == 410 || status == 429 || status == 451;
    }

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
