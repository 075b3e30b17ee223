// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Match.h"

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

// The rows of the matches list, in server order, as the view reads them.
class MatchListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("owned by ChatsVC")

public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        LastMessageRole,
        AvatarRole,
        CheckmarkRole,
        UnreadRole,
        OpenRole
    };

    using QAbstractListModel::QAbstractListModel;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    void setMatches(const QList<Match> &matches);
    [[nodiscard]] const QList<Match> &matches() const { return m_matches; }
    /// The conversation on view; a null id for none. The one on view is being read, so the
    /// list never shows it unread, and it stays read once it is closed: what the service says
    /// in the meantime can predate the conversation's own fetch, which marks it read there.
    void setOpenChat(const QUuid &chatID);
    [[nodiscard]] QUuid openChat() const { return m_openChat; }
    /// Whether the row shows the match as unread.
    [[nodiscard]] bool isShownUnread(const Match &match) const;
    /// The matches shown unread.
    [[nodiscard]] qsizetype shownUnreadCount() const;

    /// The second line of a row: the last message, or the words of a new pair.
    [[nodiscard]] static QString lastLine(const Match &match);
    /// The first photo address of a profile, empty when it has none.
    [[nodiscard]] static QString avatarAddress(const ProfileView &profile);

private:
    void markChanged(const QUuid &chatID);

    QList<Match> m_matches;
    QUuid m_openChat;
};
