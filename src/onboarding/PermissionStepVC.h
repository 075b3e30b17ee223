// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/KeyboardVC.h"

// A step that asks for one of the desktop's permissions: a title, an explanation, a symbol,
// the main button and, where the user may go on without, a text button.
class PermissionStepVC : public KeyboardVC {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of the permission steps")
    Q_PROPERTY(QString titleText READ titleText CONSTANT)
    Q_PROPERTY(QString hintText READ hintText CONSTANT)
    Q_PROPERTY(QString symbol READ symbol CONSTANT)
    Q_PROPERTY(QString textButtonTitle READ textButtonTitle CONSTANT)
    Q_PROPERTY(bool showsTextButton READ showsTextButton CONSTANT)

public:
    PermissionStepVC(QString typeName, Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("onboarding/PermissionStepView.qml"); }

    [[nodiscard]] virtual QString titleText() const = 0;
    [[nodiscard]] virtual QString hintText() const = 0;
    [[nodiscard]] virtual QString symbol() const = 0;
    [[nodiscard]] QString textButtonTitle() const { return tr("Не сейчас"); }
    [[nodiscard]] virtual bool showsTextButton() const { return true; }

    Q_INVOKABLE virtual void textButtonTapped() = 0;
};
