// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/KeyboardVC.h"

// The first registration step: the name the profile shows, for good. Only letters, hyphens,
// apostrophes and single spaces can be typed; it is cut to 30 characters and needs two.
class NameInputVC : public KeyboardVC {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")
    Q_PROPERTY(QString text READ text NOTIFY textChanged)

public:
    static constexpr int kMaxLength = 30;

    explicit NameInputVC(Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("onboarding/NameInputView.qml"); }

    QString text() const { return m_text; }
    /// The field proposes its whole new text. False refuses the edit; either way the field
    /// shows `text` afterwards, which may be the proposal cut to the limit.
    Q_INVOKABLE bool proposeText(const QString &newText);

Q_SIGNALS:
    void textChanged();

protected:
    void next() override;

private:
    QString m_text;
};
