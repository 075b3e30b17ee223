// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "chats/MatchListModel.h"

#include <QSet>
#include <algorithm>

int MatchListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_matches.size());
}

QVariant MatchListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_matches.size())
        return {};
    const Match &match = m_matches.at(index.row());
    switch (role) {
    case NameRole:
        return match.profile.name;
    case LastMessageRole:
        return lastLine(match);
    case AvatarRole:
        return avatarAddress(match.profile);
    case CheckmarkRole:
        return match.profile.hasCheckmark;
    case UnreadRole:
        return isShownUnread(match);
    case OpenRole:
        return !m_openChat.isNull() && match.chatID == m_openChat;
    default:
        return {};
    }
}

QHash<int, QByteArray> MatchListModel::roleNames() const {
    return {{NameRole, "name"},       {LastMessageRole, "lastMessage"},
            {AvatarRole, "avatar"},   {CheckmarkRole, "hasCheckmark"},
            {UnreadRole, "isUnread"}, {OpenRole, "isOpen"}};
}

void MatchListModel::setOpenChat(const QUuid &chatID) {
    if (chatID == m_openChat)
        return;
    const QUuid before = m_openChat;
    m_openChat = chatID;
    for (Match &match : m_matches) {
        if (match.chatID == before)
            match.isUnread = false;
    }
    markChanged(before);
    markChanged(chatID);
}

bool MatchListModel::isShownUnread(const Match &match) const {
    return match.isUnread && (m_openChat.isNull() || match.chatID != m_openChat);
}

qsizetype MatchListModel::shownUnreadCount() const {
    return std::count_if(m_matches.cbegin(), m_matches.cend(),
                         [this](const Match &match) { return isShownUnread(match); });
}

void MatchListModel::markChanged(const QUuid &chatID) {
    for (int row = 0; row < m_matches.size(); ++row)
        if (!chatID.isNull() && m_matches.at(row).chatID == chatID)
            Q_EMIT dataChanged(index(row), index(row), {OpenRole, UnreadRole});
}

void MatchListModel::setMatches(const QList<Match> &matches) {
    // Rows are changed, moved, inserted and removed one by one rather than the model reset, so
    // a refresh every ten seconds keeps the list where the user scrolled it and what is
    // selected. Rows are the same row when their conversation is the same.
    QSet<QUuid> wanted;
    for (const Match &match : matches)
        wanted.insert(match.chatID);
    for (int row = int(m_matches.size()) - 1; row >= 0; --row) {
        if (wanted.contains(m_matches.at(row).chatID))
            continue;
        beginRemoveRows({}, row, row);
        m_matches.removeAt(row);
        endRemoveRows();
    }
    for (int row = 0; row < matches.size(); ++row) {
        const Match &match = matches.at(row);
        int found = -1;
        for (int at = row; at < m_matches.size() && found < 0; ++at)
            if (m_matches.at(at).chatID == match.chatID)
                found = at;
        if (found < 0) {
            beginInsertRows({}, row, row);
            m_matches.insert(row, match);
            endInsertRows();
            continue;
        }
        if (found != row) {
            beginMoveRows({}, found, found, {}, row);
            m_matches.move(found, row);
            endMoveRows();
        }
        if (!(m_matches.at(row) == match)) {
            m_matches[row] = match;
            Q_EMIT dataChanged(index(row), index(row));
        }
    }
    // What is left below came twice in the old rows.
    if (m_matches.size() > matches.size()) {
        beginRemoveRows({}, int(matches.size()), int(m_matches.size()) - 1);
        m_matches.resize(matches.size());
        endRemoveRows();
    }
}

QString MatchListModel::lastLine(const Match &match) {
    return match.messages.isEmpty() ? tr("ВЫ ОБРАЗОВАЛИ ПАРУ") : match.messages.last().content;
}

QString MatchListModel::avatarAddress(const ProfileView &profile) {
    return profile.photoURLs && !profile.photoURLs->isEmpty() ? profile.photoURLs->first()
                                                              : QString();
}
