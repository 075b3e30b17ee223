// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QObject>
#include <QQmlListProperty>
#include <QtQml/qqmlregistration.h>

#include "cards/ButtonContainer.h"

class CardButton;

// The row of round action buttons: under the card stack undo, pass and like, centred with
// equal spacing, the note button existing with them but not placed; under a profile's details
// pass, note and like. Undo starts disabled.
class ButtonStackView : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by its screen")
    Q_PROPERTY(QQmlListProperty<ButtonContainer> placedContainers READ placedContainerList CONSTANT)
    Q_PROPERTY(bool isUndoButtonEnabled READ isUndoButtonEnabled WRITE setUndoButtonEnabled NOTIFY
                   undoButtonEnabledChanged)

public:
    enum Tag { UndoTag = 1, PassTag = 2, NoteTag = 3, LikeTag = 4 };
    Q_ENUM(Tag)
    static constexpr qreal kSideMarginFraction = 0.065;
    static constexpr qreal kSmallButtonFraction = 0.125;
    static constexpr qreal kLargeButtonFraction = 0.17;

    /// Which buttons the row places.
    enum class Row { Stack, Details };

    explicit ButtonStackView(QObject *parent = nullptr, Row row = Row::Stack);

    CardButton *undoButton() const { return m_undo; }
    CardButton *passButton() const { return m_pass; }
    CardButton *noteButton() const { return m_note; }
    CardButton *likeButton() const { return m_like; }
    /// The containers in the row, left to right.
    const QList<ButtonContainer *> &placedContainers() const { return m_placed; }
    QQmlListProperty<ButtonContainer> placedContainerList() { return {this, &m_placed}; }

    bool isUndoButtonEnabled() const { return m_undoEnabled; }
    void setUndoButtonEnabled(bool enabled);

    /// Left and right margin of the row for its width.
    Q_INVOKABLE static qreal sideMargin(qreal rowWidth) { return rowWidth * kSideMarginFraction; }
    /// Height of the row: its largest button.
    Q_INVOKABLE static qreal rowHeight(qreal rowWidth) { return rowWidth * kLargeButtonFraction; }
    /// Tells the row's screen that one of the buttons was tapped.
    void handleTap(CardButton *button) { Q_EMIT buttonTapped(button); }

Q_SIGNALS:
    void undoButtonEnabledChanged();
    /// The button's tag names the action.
    void buttonTapped(CardButton *button);

private:
    CardButton *makeButton(const QString &symbol, Tag tag, const QColor &color, const QString &name,
                           qreal fraction, bool placed);

    QList<ButtonContainer *> m_placed;
    CardButton *m_undo;
    CardButton *m_pass;
    CardButton *m_note;
    CardButton *m_like;
    bool m_undoEnabled = false;
};
