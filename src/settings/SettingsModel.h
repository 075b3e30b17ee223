// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "settings/SettingsRow.h"

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

// The rows of the settings screen for its list. A change of one row updates that row's cell in
// place, so a slider being dragged keeps its grip.
class SettingsModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("owned by the settings screen")

public:
    enum Role {
        KindRole = Qt::UserRole + 1,
        TextRole,
        ValueRole,
        ValueTextRole,
        IsOnRole,
        LowerRole,
        UpperRole,
        MinimumRole,
        MaximumRole,
    };

    explicit SettingsModel(QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] const QList<SettingsRow> &rows() const { return m_rows; }
    void setRows(QList<SettingsRow> rows);
    void replace(int row, const SettingsRow &value);

    /// What the gender row says for a choice.
    [[nodiscard]] static QString genderTitle(GenderSelection gender);

private:
    [[nodiscard]] static QString kindName(SettingsRow::Kind kind);
    [[nodiscard]] static QString valueText(const SettingsRow &row);

    QList<SettingsRow> m_rows;
};
