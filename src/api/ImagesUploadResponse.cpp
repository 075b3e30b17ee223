// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/ImagesUploadResponse.h"

ImagesUploadResponse ImagesUploadResponse::read(DecodeContext &context) {
    return {context.strings("photoURLs")};
}

std::optional<ImagesUploadResponse> ImagesUploadResponse::fromJson(const QJsonValue &value,
                                                                   QString *error) {
    return decodeRecord<ImagesUploadResponse>(value, error);
}

QJsonObject ImagesUploadResponse::toJson() const {
    return {{QStringLiteral("photoURLs"), QJsonArray::fromStringList(photoURLs)}};
}
