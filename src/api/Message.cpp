// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/Message.h"

Message Message::read(DecodeContext &context) {
    Message message;
    message.id = context.optionalUuid("id");
    message.senderID = context.uuid("senderID");
    message.content = context.string("content");
    message.createdAt = context.optionalDate("createdAt");
    return message;
}

std::optional<Message> Message::fromJson(const QJsonValue &value, QString *error) {
    return decodeRecord<Message>(value, error);
}

std::optional<Message> Message::fromLocalJson(const QJsonValue &value, QString *error) {
    return decodeRecord<Message>(value, error, DateStyle::local);
}

QJsonObject Message::toJson(DateStyle dates) const {
    QJsonObject json{{QStringLiteral("senderID"), WireFormat::uuidText(senderID)},
                     {QStringLiteral("content"), content}};
    if (id)
        json.insert(QStringLiteral("id"), WireFormat::uuidText(*id));
    if (createdAt)
        json.insert(QStringLiteral("createdAt"), WireFormat::dateValue(*createdAt, dates));
    return json;
}
