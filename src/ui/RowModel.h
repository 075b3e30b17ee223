// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

// The rows of a table screen (the settings, a profile's details, the profile editor) for a
// delegate chooser that draws each row with the cell of its kind. A change of one row updates
// that row's cell in place, so a slider being dragged keeps its grip and a field its cursor.
class RowModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("owned by its screen")

public:
    /// The cells a row can be drawn with, and the values each one reads.
    enum Kind {
        Caption,           // a caption over a group of rows: text
        Hint,              // an explanation under a row: text
        Spacer,            // space between two groups: value is the height
        Slider,            // a number on a slider: value, detail, isOn
        RangeSlider,       // a range on a two-thumb slider: lower, upper, minimum, maximum,
                           // detail, isOn
        Toggle,            // a switch: isOn
        Choice,            // opens a choice: text, detail says what is chosen, value holds it
        Navigation,        // opens something: text
        Button,            // an action: text
        DestructiveButton, // an action that cannot be taken back: text
        Version,           // the product mark over the version line: text
        Photos,            // the photos
        About,             // a person's text about themselves: text
        MainInfo,          // a person's main information
        TextLines,         // several lines to edit: text
        TextLine,          // one line to edit: text, detail is the placeholder
    };
    Q_ENUM(Kind)

    struct Row {
        Kind kind = Kind::Spacer;
        QString text;
        QString detail;
        int value = 0;
        bool isOn = false;
        int lower = 0;
        int upper = 0;
        int minimum = 0;
        int maximum = 0;
        /// The screen's own name for the row, telling apart rows of one kind.
        int tag = 0;

        [[nodiscard]] static Row of(Kind kind, QString text = {}, int tag = 0) {
            Row row;
            row.kind = kind;
            row.text = std::move(text);
            row.tag = tag;
            return row;
        }
        [[nodiscard]] static Row spacer(int height) {
            Row row = of(Kind::Spacer);
            row.value = height;
            return row;
        }

        friend bool operator==(const Row &, const Row &) = default;
    };

    enum Role {
        KindRole = Qt::UserRole + 1,
        TextRole,
        DetailRole,
        ValueRole,
        IsOnRole,
        LowerRole,
        UpperRole,
        MinimumRole,
        MaximumRole,
        TagRole,
    };

    explicit RowModel(QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] const QList<Row> &rows() const { return m_rows; }
    void setRows(QList<Row> rows);
    void replace(int row, const Row &value);
    /// The first row of the kind with the tag, or -1.
    [[nodiscard]] int find(Kind kind, int tag = 0) const;

private:
    QList<Row> m_rows;
};
