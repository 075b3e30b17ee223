// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/Match.h"

Match Match::read(DecodeContext &context) {
    Match match;
    match.id = context.optionalUuid("id");
    match.chatID = context.uuid("chatID");
    match.createdAt = context.optionalDate("createdAt");
    match.profile = context.record<ProfileView>("profile");
    match.messages = context.records<Message>("messages");
    match.isUnread = context.boolean("isUnread");
    return match;
}

std::optional<Match> Match::fromJson(const QJsonValue &value, QString *error) {
    return decodeRecord<Match>(value, error);
}

std::optional<Match> Match::fromLocalJson(const QJsonValue &value, QString *error) {
    return decodeRecord<Match>(value, error, DateStyle::local);
}

QJsonObject Match::toJson(DateStyle dates) const {
    QJsonArray messageArray;
    for (const Message &message : messages)
        messageArray.append(message.toJson(dates));
    QJsonObject json{{QStringLiteral("chatID"), WireFormat::uuidText(chatID)},
                     {QStringLiteral("profile"), profile.toJson()},
                     {QStringLiteral("messages"), messageArray},
                     {QStringLiteral("isUnread"), isUnread}};
    if (id)
        json.insert(QStringLiteral("id"), WireFormat::uuidText(*id));
    if (createdAt)
        json.insert(QStringLiteral("createdAt"), WireFormat::dateValue(*createdAt, dates));
    return json;
}
