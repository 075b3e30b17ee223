// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cards/ButtonContainer.h"

#include "cards/CardButton.h"

ButtonContainer::ButtonContainer(CardButton *button, qreal heightFraction, QObject *parent)
    : QObject(parent)
    , m_button(button)
    , m_heightFraction(heightFraction) {
    button->setParent(this);
}
