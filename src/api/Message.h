// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"

#include <QJsonObject>

// One chat message.
struct Message {
    std::optional<QUuid> id; // absent on a message just composed here
    QUuid senderID;
    QString content;
    std::optional<QDateTime> createdAt;
    // Local only: sending this message failed. Never part of any JSON form.
    bool failed = false;

    [[nodiscard]] static Message read(DecodeContext &context);
    [[nodiscard]] static std::optional<Message> fromJson(const QJsonValue &value,
                                                         QString *error = nullptr);
    [[nodiscard]] static std::optional<Message> fromLocalJson(const QJsonValue &value,
                                                              QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson(DateStyle dates = DateStyle::wire) const;
    [[nodiscard]] QJsonObject toLocalJson() const { return toJson(DateStyle::local); }

    friend bool operator==(const Message &, const Message &) = default;
};
