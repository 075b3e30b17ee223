// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "store/UnsentMessagesFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString chatKey = QStringLiteral("chatID");
const QString messageKey = QStringLiteral("message");
} // namespace

std::optional<QList<UnsentMessagesFormat::Kept>>
UnsentMessagesFormat::decode(const QByteArray &stored) {
    const QJsonDocument document = QJsonDocument::fromJson(stored);
    if (!document.isArray())
        return std::nullopt;
    QList<Kept> kept;
    for (const QJsonValue &value : document.array()) {
        const QJsonObject object = value.toObject();
        const std::optional<QUuid> chatID = WireFormat::parseUuid(object.value(chatKey).toString());
        std::optional<Message> message = Message::fromLocalJson(object.value(messageKey));
        if (!chatID || !message || !message->id)
            continue;
        message->failed = true;
        kept.append({*chatID, *message});
    }
    return kept;
}

QByteArray UnsentMessagesFormat::encode(const QList<Kept> &kept) {
    QJsonArray array;
    for (const Kept &entry : kept)
        array.append(QJsonObject{{chatKey, WireFormat::uuidText(entry.chatID)},
                                 {messageKey, entry.message.toLocalJson()}});
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}
