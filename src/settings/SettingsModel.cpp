// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "settings/SettingsModel.h"

SettingsModel::SettingsModel(QObject *parent)
    : QAbstractListModel(parent) {}

int SettingsModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QHash<int, QByteArray> SettingsModel::roleNames() const {
    return {{KindRole, "kind"},           {TextRole, "text"},       {ValueRole, "value"},
            {ValueTextRole, "valueText"}, {IsOnRole, "isOn"},       {LowerRole, "lower"},
            {UpperRole, "upper"},         {MinimumRole, "minimum"}, {MaximumRole, "maximum"}};
}

QVariant SettingsModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const SettingsRow &row = m_rows.at(index.row());
    switch (role) {
    case KindRole:
        return kindName(row.kind);
    case TextRole:
        return row.text;
    case ValueRole:
        return row.value;
    case ValueTextRole:
        return valueText(row);
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
    default:
        return {};
    }
}

void SettingsModel::setRows(QList<SettingsRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void SettingsModel::replace(int row, const SettingsRow &value) {
    if (row < 0 || row >= m_rows.size() || m_rows.at(row) == value)
        return;
    m_rows[row] = value;
    Q_EMIT dataChanged(index(row), index(row));
}

QString SettingsModel::genderTitle(GenderSelection gender) {
    switch (gender) {
    case GenderSelection::man:
        return tr("Мужчинам");
    case GenderSelection::woman:
        return tr("Женщинам");
    case GenderSelection::all:
        break;
    }
    return tr("Всем");
}

QString SettingsModel::kindName(SettingsRow::Kind kind) {
    switch (kind) {
    case SettingsRow::Kind::Label:
        return QStringLiteral("label");
    case SettingsRow::Kind::Slider:
        return QStringLiteral("slider");
    case SettingsRow::Kind::Gender:
        return QStringLiteral("gender");
    case SettingsRow::Kind::DoubleSlider:
        return QStringLiteral("doubleSlider");
    case SettingsRow::Kind::Toggle:
        return QStringLiteral("toggle");
    case SettingsRow::Kind::HintLabel:
        return QStringLiteral("hintLabel");
    case SettingsRow::Kind::Navigation:
        return QStringLiteral("navigation");
    case SettingsRow::Kind::Button:
        return QStringLiteral("button");
    case SettingsRow::Kind::Version:
        return QStringLiteral("version");
    case SettingsRow::Kind::Empty:
        break;
    }
    return QStringLiteral("empty");
}

QString SettingsModel::valueText(const SettingsRow &row) {
    switch (row.kind) {
    case SettingsRow::Kind::Slider:
        return tr("%1 км").arg(row.value);
    case SettingsRow::Kind::DoubleSlider:
        return QStringLiteral("%1-%2").arg(row.lower).arg(row.upper);
    case SettingsRow::Kind::Gender:
        return genderTitle(row.gender);
    default:
        return {};
    }
}
