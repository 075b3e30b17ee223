// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "store/UserRecordFormat.h"

#include <QJsonDocument>

std::optional<User> UserRecordFormat::decode(const QByteArray &stored) {
    const QJsonDocument document = QJsonDocument::fromJson(stored);
    if (!document.isObject())
        return std::nullopt;
    return User::fromJson(document.object());
}

QByteArray UserRecordFormat::encode(const User &user) {
    return QJsonDocument(user.toJson()).toJson(QJsonDocument::Compact);
}
