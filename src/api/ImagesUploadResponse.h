// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"

#include <QJsonObject>
#include <QStringList>

// The addresses of uploaded photos, in the order they were sent.
struct ImagesUploadResponse {
    QStringList photoURLs;

    [[nodiscard]] static ImagesUploadResponse read(DecodeContext &context);
    [[nodiscard]] static std::optional<ImagesUploadResponse> fromJson(const QJsonValue &value,
                                                                      QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson() const;

    friend bool operator==(const ImagesUploadResponse &, const ImagesUploadResponse &) = default;
};
