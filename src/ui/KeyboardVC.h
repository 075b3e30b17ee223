// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/ViewController.h"

// A step screen: one value, checked as it is entered, and the main button at the bottom that
// stays above the window's bottom edge (there is no on-screen keyboard to ride above) and moves
// on only when the value is acceptable. Return presses it too. Registration is made of these,
// and the settings' gender choice is one.
class KeyboardVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of the step screens")
    Q_PROPERTY(QString nextTitle READ nextTitle CONSTANT)
    Q_PROPERTY(bool nextEnabled READ nextEnabled NOTIFY nextEnabledChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    KeyboardVC(QString typeName, Services services, QObject *parent = nullptr);

    bool keepsToColumn() const override { return true; }
    [[nodiscard]] virtual QString nextTitle() const { return tr("Далее"); }
    [[nodiscard]] bool nextEnabled() const { return m_nextEnabled; }
    /// While a step waits for the service its controls take no input.
    [[nodiscard]] bool busy() const { return m_busy; }

    Q_INVOKABLE void nextButtonTapped();
    bool handleKey(KeyCommand command) override;

Q_SIGNALS:
    void nextEnabledChanged();
    void busyChanged();

protected:
    /// What "Далее" does once the step's value is acceptable.
    virtual void next() = 0;
    void setNextEnabled(bool enabled);
    void setBusy(bool busy);

private:
    bool m_nextEnabled = false;
    bool m_busy = false;
};
