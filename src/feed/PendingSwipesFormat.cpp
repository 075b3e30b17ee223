// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "feed/PendingSwipesFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString ownerKey = QStringLiteral("owner");
const QString toKey = QStringLiteral("toUserID");
const QString typeKey = QStringLiteral("swipeType");
const QString messageKey = QStringLiteral("message");

std::optional<SwipeType> swipeType(const QString &text) {
    for (SwipeType type : {SwipeType::left, SwipeType::right, SwipeType::superlike})
        if (swipeTypeText(type) == text)
            return type;
    return std::nullopt;
}
} // namespace

std::optional<QList<PendingSwipesFormat::Swipe>>
PendingSwipesFormat::decode(const QByteArray &stored) {
    const QJsonDocument document = QJsonDocument::fromJson(stored);
    if (!document.isArray())
        return std::nullopt;
    QList<Swipe> swipes;
    for (const QJsonValue &value : document.array()) {
        const QJsonObject object = value.toObject();
        const QString owner = object.value(ownerKey).toString();
        const QString to = object.value(toKey).toString();
        const std::optional<SwipeType> type = swipeType(object.value(typeKey).toString());
        if (!owner.isEmpty() && !to.isEmpty() && type)
            swipes.append({owner, to, *type, object.value(messageKey).toString()});
    }
    return swipes;
}

QByteArray PendingSwipesFormat::encode(const QList<Swipe> &swipes) {
    QJsonArray array;
    for (const Swipe &swipe : swipes)
        array.append(QJsonObject{{ownerKey, swipe.owner},
                                 {toKey, swipe.toUserID},
                                 {typeKey, swipeTypeText(swipe.type)},
                                 {messageKey, swipe.message}});
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}
