// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/CardModel.h"

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

// The cards of the likes grid, in the service's order. A new answer that lists the same people
// in the same order changes nothing drawn; any other replaces them all. Between answers they
// only lose the one card answered, so the grid keeps every other cell (and the photo it has) in
// place.
class LikesModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the likes screen")
public:
    enum Role { CardIdRole = Qt::UserRole + 1 };

    using QAbstractListModel::QAbstractListModel;

    [[nodiscard]] const QList<CardModel> &cards() const { return m_cards; }
    void setCards(QList<CardModel> cards);
    /// The position of the card with this identity, or -1.
    [[nodiscard]] qsizetype indexOf(const QUuid &id) const;
    /// Removes the card with this identity; false when there is none.
    bool remove(const QUuid &id);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    QList<CardModel> m_cards;
};
