// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/GenderSelection.h"
#include "ui/KeyboardVC.h"

#include <functional>

// "Показывать меня": whom the user is shown to. In registration it starts at the opposite of
// the user's own gender and its button goes on to the next step; from the settings it starts at
// the current choice, and its button hands the new one back and returns there.
class GenderSelectionVC : public KeyboardVC {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the gender step and the settings")
    // The titles of the choices, in the order they are shown.
    Q_PROPERTY(QStringList choices READ choices CONSTANT)
    Q_PROPERTY(int selectedIndex READ selectedIndex NOTIFY selectionChanged)

public:
    enum Mode { Registration, FromSettings };
    /// Receives the choice when the button is pressed.
    using Delegate = std::function<void(GenderSelection)>;

    /// `genderInput` is the user's own gender in registration and the current choice from the
    /// settings.
    GenderSelectionVC(GenderSelection genderInput, Mode mode, Delegate delegate, Services services,
                      QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("settings/GenderSelectionView.qml"); }
    QString nextTitle() const override;

    QStringList choices() const;
    /// What a choice is called, here and in the settings row that opens this screen.
    [[nodiscard]] static QString title(GenderSelection gender);
    int selectedIndex() const;
    GenderSelection selectedGender() const { return m_selectedGender; }

    Q_INVOKABLE void choose(int index);
    void select(GenderSelection gender);

Q_SIGNALS:
    void selectionChanged();

protected:
    void next() override;

private:
    Mode m_mode;
    Delegate m_delegate;
    GenderSelection m_selectedGender;
};
