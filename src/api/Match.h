// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"
#include "api/Message.h"
#include "api/ProfileView.h"

#include <QJsonObject>

// One mutual match with the messages delivered along with it.
struct Match {
    std::optional<QUuid> id;
    QUuid chatID;
    std::optional<QDateTime> createdAt;
    ProfileView profile;
    QList<Message> messages;
    bool isUnread = false;

    [[nodiscard]] static Match read(DecodeContext &context);
    [[nodiscard]] static std::optional<Match> fromJson(const QJsonValue &value,
                                                       QString *error = nullptr);
    [[nodiscard]] static std::optional<Match> fromLocalJson(const QJsonValue &value,
                                                            QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson(DateStyle dates = DateStyle::wire) const;
    [[nodiscard]] QJsonObject toLocalJson() const { return toJson(DateStyle::local); }

    friend bool operator==(const Match &, const Match &) = default;
};
