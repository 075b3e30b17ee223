#pragma once

class CardButton;

// Told which action button of the row was tapped; the button's tag names the action.
class ButtonStackViewDelegate {
public:
    virtual ~ButtonStackViewDelegate() = default;
    virtual void buttonTapped(CardButton *button) = 0;
};
