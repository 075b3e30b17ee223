#include "chats/MatchListModel.h"

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
        return match.isUnread;
    default:
        return {};
    }
}

QHash<int, QByteArray> MatchListModel::roleNames() const {
    return {{NameRole, "name"},
            {LastMessageRole, "lastMessage"},
            {AvatarRole, "avatar"},
            {CheckmarkRole, "hasCheckmark"},
            {UnreadRole, "isUnread"}};
}

void MatchListModel::setMatches(const QList<Match> &matches) {
    beginResetModel();
    m_matches = matches;
    endResetModel();
}

QString MatchListModel::lastLine(const Match &match) {
    return match.messages.isEmpty() ? tr("ВЫ ОБРАЗОВАЛИ ПАРУ") : match.messages.last().content;
}

QString MatchListModel::avatarAddress(const ProfileView &profile) {
    return profile.photoURLs && !profile.photoURLs->isEmpty() ? profile.photoURLs->first()
                                                              : QString();
}
