// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"

#include <QJsonObject>

// The body of the version check.
struct VersionCheckRequest {
    QString appVersion = QStringLiteral("1.0");

    [[nodiscard]] static VersionCheckRequest read(DecodeContext &context);
    [[nodiscard]] static std::optional<VersionCheckRequest> fromJson(const QJsonValue &value,
                                                                     QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson() const;

    friend bool operator==(const VersionCheckRequest &, const VersionCheckRequest &) = default;
};
