// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/GenderSelection.h"
#include "store/BioScreening.h"
#include "ui/KeyboardVC.h"

// The last registration step: an optional text about oneself of at most 500 characters. It
// sends everything the steps collected in one call and, once the service has it, replaces the
// whole chain with the photo step, for good.
class BioInputVC : public KeyboardVC {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the show-me step")
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(QString countText READ countText NOTIFY textChanged)

public:
    BioInputVC(QString name, QString birthday, GenderSelection genderInput,
               GenderSelection selectedGender, Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("onboarding/BioInputView.qml"); }
    QString rightBarButtonTitle() const override { return tr("Пропустить"); }
    bool rightBarButtonEnabled() const override { return !busy(); }
    void rightBarButtonTapped() override;

    QString text() const { return m_text; }
    /// The characters still free.
    QString countText() const { return QString::number(BioScreening::kMaxLength - m_text.size()); }
    /// The text view proposes its whole new text; false refuses the edit and the view goes back
    /// to `text`. Doubled line breaks or spaces and anything past the limit are refused whole.
    Q_INVOKABLE bool proposeText(const QString &newText);

Q_SIGNALS:
    void textChanged();

protected:
    void next() override;

private:
    void send(const QString &bio);

    QString m_name;
    QString m_birthday;
    GenderSelection m_genderInput;
    GenderSelection m_selectedGender;
    QString m_text;
};
