// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "likes/LikesModel.h"

#include <algorithm>

void LikesModel::setCards(QList<CardModel> cards) {
    // A person already listed keeps the card's identity, so an unchanged list leaves the grid,
    // its scroll position and the keyboard's place as they are.
    bool same = cards.size() == m_cards.size();
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const auto known = std::find_if(m_cards.cbegin(), m_cards.cend(), [&](const CardModel &c) {
            return c.userID == cards.at(i).userID;
        });
        if (known != m_cards.cend())
            cards[i].id = known->id;
        same = same && cards.at(i).id == m_cards.at(i).id;
    }
    if (same) {
        m_cards = std::move(cards);
        return;
    }
    beginResetModel();
    m_cards = std::move(cards);
    endResetModel();
}

qsizetype LikesModel::indexOf(const QUuid &id) const {
    for (qsizetype i = 0; i < m_cards.size(); ++i)
        if (m_cards.at(i).id == id)
            return i;
    return -1;
}

bool LikesModel::remove(const QUuid &id) {
    const qsizetype row = indexOf(id);
    if (row < 0)
        return false;
    beginRemoveRows({}, int(row), int(row));
    m_cards.removeAt(row);
    endRemoveRows();
    return true;
}

int LikesModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_cards.size());
}

QVariant LikesModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_cards.size() || role != CardIdRole)
        return {};
    return m_cards.at(index.row()).id.toString(QUuid::WithoutBraces);
}

QHash<int, QByteArray> LikesModel::roleNames() const {
    return {{CardIdRole, "cardId"}};
}
