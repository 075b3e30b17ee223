// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "store/SavedMatchesFormat.h"

#include "api/Decoder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

namespace {
// An invalid date has no number of seconds; writing 0 in its place would change the record.
bool encodable(const Match &match) {
    const auto valid = [](const std::optional<QDateTime> &date) {
        return !date || date->isValid();
    };
    return valid(match.createdAt) &&
           std::all_of(match.messages.cbegin(), match.messages.cend(),
                       [&](const Message &message) { return valid(message.createdAt); });
}
} // namespace

std::optional<QList<Match>> SavedMatchesFormat::decode(const QByteArray &stored, QString *error) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(stored, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = parseError.errorString();
        return std::nullopt;
    }
    return Decoder<QList<Match>>::decode(document.isArray() ? QJsonValue(document.array())
                                                            : QJsonValue(document.object()),
                                         error, DateStyle::local);
}

std::optional<QByteArray> SavedMatchesFormat::encode(const QList<Match> &matches, QString *error) {
    QJsonArray array;
    for (const Match &match : matches) {
        if (!encodable(match)) {
            if (error)
                *error =
                    QStringLiteral("invalid date in match ") + WireFormat::uuidText(match.chatID);
            return std::nullopt;
        }
        array.append(match.toLocalJson());
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}
