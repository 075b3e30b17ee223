// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/RowModel.h"

RowModel::RowModel(QObject *parent)
    : QAbstractListModel(parent) {}

int RowModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QHash<int, QByteArray> RowModel::roleNames() const {
    return {{KindRole, "kind"},   {TextRole, "text"},       {DetailRole, "detail"},
            {ValueRole, "value"}, {IsOnRole, "isOn"},       {LowerRole, "lower"},
            {UpperRole, "upper"}, {MinimumRole, "minimum"}, {MaximumRole, "maximum"},
            {TagRole, "tag"}};
}

QVariant RowModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case KindRole:
        // A plain number: the delegate chooser compares it with the enumerator QML hands it.
        return int(row.kind);
    case TextRole:
        return row.text;
    case DetailRole:
        return row.detail;
    case ValueRole:
        return row.value;
    case IsOnRole:
        return row.isOn;
    case LowerRole:
        return row.lower;
    case UpperRole:
        return row.upper;
    case MinimumRole:
        return row.minimum;
    case MaximumRole:
        return row.maximum;
    case TagRole:
        return row.tag;
    default:
        return {};
    }
}

void RowModel::setRows(QList<Row> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void RowModel::replace(int row, const Row &value) {
    if (row < 0 || row >= m_rows.size() || m_rows.at(row) == value)
        return;
    m_rows[row] = value;
    Q_EMIT dataChanged(index(row), index(row));
}

int RowModel::find(Kind kind, int tag) const {
    for (int row = 0; row < m_rows.size(); ++row)
        if (m_rows.at(row).kind == kind && m_rows.at(row).tag == tag)
            return row;
    return -1;
}
