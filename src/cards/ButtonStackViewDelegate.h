// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class CardButton;

// Told which action button of the row was tapped; the button's tag names the action.
class ButtonStackViewDelegate {
public:
    virtual ~ButtonStackViewDelegate() = default;
    virtual void buttonTapped(CardButton *button) = 0;
    /// The person was blocked or reported: that is final, so nothing may bring their card back.
    virtual void closedForGood(const QString &userID) { Q_UNUSED(userID) }
};
