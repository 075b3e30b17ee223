// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Match.h"

#include <QJsonArray>
#include <QJsonDocument>

// Matches and messages built in code, for the list and conversation tests.
namespace ChatTestData {

inline QUuid numbered(int prefix, int n) {
    return QUuid::fromString(QStringLiteral("%1-0000-4000-8000-%2")
                                 .arg(prefix, 8, 10, QLatin1Char('0'))
                                 .arg(n, 12, 10, QLatin1Char('0')));
}

inline Message message(int n, const QUuid &sender, const QString &content, bool withId = true) {
    Message m;
    if (withId)
        m.id = numbered(3, n);
    m.senderID = sender;
    m.content = content;
    m.createdAt = QDateTime(QDate(2025, 3, 1), QTime(17, 5, 9), Qt::UTC).addSecs(n);
    return m;
}

inline Match match(int n, bool unread = false, int messageCount = 0) {
    Match m;
    m.id = numbered(1, n);
    m.chatID = numbered(2, n);
    m.profile.userID = numbered(4, n).toString(QUuid::WithoutBraces).toUpper();
    m.profile.name = QStringLiteral("Человек %1").arg(n);
    m.isUnread = unread;
    for (int i = 0; i < messageCount; ++i)
        m.messages.append(message(i, numbered(4, n), QStringLiteral("Сообщение %1").arg(i)));
    return m;
}

// `count` matches numbered from `first`, the listed ones unread, as the service sends them.
inline QList<Match> matches(int first, int count, QList<int> unread = {}) {
    QList<Match> list;
    for (int i = first; i < first + count; ++i)
        list.append(match(i, unread.contains(i), i % 3));
    return list;
}

template <class T> QByteArray json(const QList<T> &records) {
    QJsonArray array;
    for (const T &record : records)
        array.append(record.toJson());
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

} // namespace ChatTestData
