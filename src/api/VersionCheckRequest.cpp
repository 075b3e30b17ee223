// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/VersionCheckRequest.h"

VersionCheckRequest VersionCheckRequest::read(DecodeContext &context) {
    return {context.string("appVersion")};
}

std::optional<VersionCheckRequest> VersionCheckRequest::fromJson(const QJsonValue &value,
                                                                 QString *error) {
    return decodeRecord<VersionCheckRequest>(value, error);
}

QJsonObject VersionCheckRequest::toJson() const {
    return {{QStringLiteral("appVersion"), appVersion}};
}
