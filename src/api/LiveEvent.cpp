// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/LiveEvent.h"

#include "api/WireFormat.h"

#include <QJsonDocument>
#include <QJsonParseError>

LiveEvent LiveEvent::read(DecodeContext &context) {
    LiveEvent event;
    event.type = context.string("type");
    if (event.type == u"message") {
        event.kind = Kind::Message;
        event.chatID = context.uuid("chatID");
        event.messageID = context.uuid("messageID");
    } else if (event.type == u"match" || event.type == u"unmatch") {
        event.kind = event.type == u"match" ? Kind::Match : Kind::Unmatch;
        event.chatID = context.uuid("chatID");
    } else if (event.type == u"like") {
        event.kind = Kind::Like;
    }
    return event;
}

std::optional<LiveEvent> LiveEvent::fromJson(const QJsonValue &value, QString *error) {
    return decodeRecord<LiveEvent>(value, error);
}

std::optional<LiveEvent> LiveEvent::fromFrame(const QByteArray &frame, QString *error) {
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(frame, &parse);
    if (!document.isObject()) {
        if (error)
            *error = parse.error != QJsonParseError::NoError ? parse.errorString()
                                                             : QStringLiteral("not an object");
        return std::nullopt;
    }
    return fromJson(document.object(), error);
}

QJsonObject LiveEvent::toJson() const {
    QJsonObject json{{QStringLiteral("type"), type}};
    if (chatID)
        json.insert(QStringLiteral("chatID"), WireFormat::uuidText(*chatID));
    if (messageID)
        json.insert(QStringLiteral("messageID"), WireFormat::uuidText(*messageID));
    return json;
}
