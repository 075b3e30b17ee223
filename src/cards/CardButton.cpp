// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cards/CardButton.h"

#include "controls/Theme.h"

CardButton::CardButton(QString symbol, int tag, QColor imageColor, QString accessibleName,
                       QObject *parent)
    : QObject(parent)
    , m_symbol(std::move(symbol))
    , m_tag(tag)
    , m_imageColor(imageColor)
    , m_accessibleName(std::move(accessibleName)) {}

void CardButton::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled)
        m_pressed = false;
    Q_EMIT appearanceChanged();
}

QColor CardButton::tintColor() const {
    return m_enabled ? m_imageColor : Theme::grey();
}

void CardButton::touchDown() {
    if (!m_enabled || m_pressed)
        return;
    m_pressed = true;
    Q_EMIT appearanceChanged();
}

void CardButton::click() {
    touchDown();
    touchUp(true);
}

void CardButton::touchUp(bool inside) {
    if (!m_pressed)
        return;
    m_pressed = false;
    Q_EMIT appearanceChanged();
    if (inside)
        Q_EMIT tapped(this);
}
