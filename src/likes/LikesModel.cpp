#include "likes/LikesModel.h"

void LikesModel::setCards(QList<CardModel> cards) {
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
