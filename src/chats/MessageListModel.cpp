// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "chats/MessageListModel.h"

#include <QSet>

int MessageListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_messages.size());
}

QVariant MessageListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_messages.size())
        return {};
    const Message &message = m_messages.at(index.row());
    switch (role) {
    case ContentRole:
        return message.content;
    case OwnRole:
        return WireFormat::uuidText(message.senderID) == m_ownUserID;
    case FailedRole:
        return message.failed;
    default:
        return {};
    }
}

QHash<int, QByteArray> MessageListModel::roleNames() const {
    return {{ContentRole, "content"}, {OwnRole, "isOwn"}, {FailedRole, "failed"}};
}

void MessageListModel::setMessages(const QList<Message> &messages) {
    beginResetModel();
    m_messages = messages;
    endResetModel();
}

QList<Message> MessageListModel::notShown(const QList<Message> &page) const {
    QSet<QUuid> held;
    for (const Message &message : m_messages)
        if (message.id)
            held.insert(*message.id);
    QList<Message> fresh;
    for (const Message &message : page) {
        if (message.id && held.contains(*message.id))
            continue;
        if (message.id)
            held.insert(*message.id);
        fresh.append(message);
    }
    return fresh;
}

void MessageListModel::prepend(const QList<Message> &page) {
    const QList<Message> older = notShown(page);
    if (older.isEmpty())
        return;
    beginInsertRows({}, 0, int(older.size()) - 1);
    m_messages = older + m_messages;
    endInsertRows();
}

void MessageListModel::append(const QList<Message> &page) {
    const QList<Message> newer = notShown(page);
    if (newer.isEmpty())
        return;
    const int first = int(m_messages.size());
    beginInsertRows({}, first, first + int(newer.size()) - 1);
    m_messages += newer;
    endInsertRows();
}

int MessageListModel::rowOf(const QUuid &id) const {
    for (int row = 0; row < m_messages.size(); ++row)
        if (m_messages.at(row).id == id)
            return row;
    return -1;
}

void MessageListModel::setFailed(const QUuid &id, bool failed) {
    const int row = rowOf(id);
    if (row < 0 || m_messages.at(row).failed == failed)
        return;
    m_messages[row].failed = failed;
    Q_EMIT dataChanged(index(row), index(row), {FailedRole});
}

void MessageListModel::confirm(const QUuid &sentID, const QUuid &storedID) {
    const int sent = rowOf(sentID);
    if (sent < 0)
        return;
    if (rowOf(storedID) >= 0)
        removeMessage(sent);
    else
        m_messages[sent].id = storedID;
}

void MessageListModel::removeMessage(int row) {
    if (row < 0 || row >= m_messages.size())
        return;
    beginRemoveRows({}, row, row);
    m_messages.removeAt(row);
    endRemoveRows();
}
