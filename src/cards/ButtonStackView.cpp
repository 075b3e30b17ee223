#include "cards/ButtonStackView.h"

#include "cards/ButtonContainer.h"
#include "cards/ButtonStackViewDelegate.h"
#include "cards/CardButton.h"

ButtonStackView::ButtonStackView(QObject *parent, Row row)
    : QObject(parent) {
    const bool stack = row == Row::Stack;
    m_undo = makeButton(QStringLiteral("arrow.counterclockwise"), UndoTag, QColor(247, 181, 0),
                        tr("Вернуть"), kSmallButtonFraction, stack);
    m_pass = makeButton(QStringLiteral("xmark"), PassTag, QColor(255, 68, 88), tr("Пропустить"),
                        kLargeButtonFraction, true);
    m_note = makeButton(QStringLiteral("heart.text.square.fill"), NoteTag, QColor(10, 132, 255),
                        tr("Написать"), kSmallButtonFraction, !stack);
    m_like = makeButton(QStringLiteral("heart.fill"), LikeTag, QColor(38, 196, 133), tr("Лайк"),
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

void ButtonStackView::handleTap(CardButton *button) {
    if (m_delegate)
        m_delegate->buttonTapped(button);
}
