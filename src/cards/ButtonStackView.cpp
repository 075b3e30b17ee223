// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cards/ButtonStackView.h"

#include "cards/ButtonContainer.h"
#include "cards/CardButton.h"
#include "controls/Theme.h"

ButtonStackView::ButtonStackView(QObject *parent, Row row)
    : QObject(parent) {
    const bool stack = row == Row::Stack;
    m_undo = makeButton(QStringLiteral("arrow.counterclockwise"), UndoTag, Theme::undoButton(),
                        tr("Вернуть"), kSmallButtonFraction, stack);
    m_pass = makeButton(QStringLiteral("xmark"), PassTag, Theme::accent(), tr("Пропустить"),
                        kLargeButtonFraction, true);
    m_note = makeButton(QStringLiteral("heart.text.square.fill"), NoteTag, Theme::noteButton(),
                        tr("Написать"), kSmallButtonFraction, !stack);
    m_like = makeButton(QStringLiteral("heart.fill"), LikeTag, Theme::likeButton(), tr("Лайк"),
                        kLargeButtonFraction, true);
    m_undo->setEnabled(false);
}

CardButton *ButtonStackView::makeButton(const QString &symbol, Tag tag, const QColor &color,
                                        const QString &name, qreal fraction, bool placed) {
    auto *button = new CardButton(symbol, tag, color, name);
    auto *container = new ButtonContainer(button, fraction, this);
    connect(button, &CardButton::tapped, this, &ButtonStackView::handleTap);
    if (placed)
        m_placed.append(container);
    return button;
}

void ButtonStackView::setUndoButtonEnabled(bool enabled) {
    m_undoEnabled = enabled;
    m_undo->setEnabled(enabled);
    Q_EMIT undoButtonEnabledChanged();
}
