// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Message.h"

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

// The bubbles of one conversation, oldest first; which side a bubble takes depends on the own
// user's identifier.
class MessageListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("owned by ChatDetailsVC")

public:
    enum Role { ContentRole = Qt::UserRole + 1, OwnRole, FailedRole };

    using QAbstractListModel::QAbstractListModel;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] const QList<Message> &messages() const { return m_messages; }
    void setOwnUserID(const QString &userID) { m_ownUserID = userID; }

    void setMessages(const QList<Message> &messages);
    /// Pages are merged by message id: what is shown already is left out.
    void prepend(const QList<Message> &page);
    void append(const QList<Message> &page);
    /// Sets or clears the not-sent mark of the message with this id, wherever it is: replies
    /// may have come after it meanwhile.
    void setFailed(const QUuid &id, bool failed);
    void removeMessage(int row);
    /// The service stored the message sent here as `storedID`: the bubble takes that id, or
    /// goes when the service's copy is shown already.
    void confirm(const QUuid &sentID, const QUuid &storedID);

private:
    [[nodiscard]] int rowOf(const QUuid &id) const;
    [[nodiscard]] QList<Message> notShown(const QList<Message> &page) const;

    QList<Message> m_messages;
    QString m_ownUserID;
};
