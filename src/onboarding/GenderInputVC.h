// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/GenderSelection.h"
#include "ui/KeyboardVC.h"

// The third step: the user's own gender, woman or man. Nothing is chosen at first, so "Далее"
// waits for a click on one of the two.
class GenderInputVC : public KeyboardVC {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the birthday step")
    Q_PROPERTY(bool womanChosen READ womanChosen NOTIFY selectionChanged)
    Q_PROPERTY(bool manChosen READ manChosen NOTIFY selectionChanged)

public:
    GenderInputVC(QString name, QString birthday, Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("onboarding/GenderInputView.qml"); }

    bool womanChosen() const { return chosen() == GenderSelection::woman; }
    bool manChosen() const { return chosen() == GenderSelection::man; }
    // Nothing before the first click.
    std::optional<GenderSelection> chosen() const;

    Q_INVOKABLE void womanButtonTapped() { choose(GenderSelection::woman); }
    Q_INVOKABLE void manButtonTapped() { choose(GenderSelection::man); }

Q_SIGNALS:
    void selectionChanged();

protected:
    void next() override;

private:
    void choose(GenderSelection gender);

    QString m_name;
    QString m_birthday;
    GenderSelection m_selectedGender = GenderSelection::man;
};
