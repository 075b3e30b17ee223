// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"

#include <QJsonObject>

// The service's verdict on the client's version; isLock means this version may not be used.
struct VersionCheckResponse {
    QString message;
    bool isLock = false;

    [[nodiscard]] static VersionCheckResponse read(DecodeContext &context);
    [[nodiscard]] static std::optional<VersionCheckResponse> fromJson(const QJsonValue &value,
                                                                      QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson() const;

    friend bool operator==(const VersionCheckResponse &, const VersionCheckResponse &) = default;
};
