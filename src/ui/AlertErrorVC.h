// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/KeyActions.h"
#include "ui/ViewController.h"

#include <functional>

// The general message overlay: "Ой!", a message, the main button and optionally a second
// button that continues anyway.
class AlertErrorVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(QString heading READ heading CONSTANT)
    Q_PROPERTY(QString message READ message WRITE setMessage NOTIFY messageChanged)
    Q_PROPERTY(QString actionTitle READ actionTitle CONSTANT)
    Q_PROPERTY(bool shouldShowTextButton READ shouldShowTextButton CONSTANT)
    Q_PROPERTY(QString textButtonTitle READ textButtonTitle CONSTANT)

public:
    AlertErrorVC(QString actionTitle, bool shouldShowTextButton = false,
                 std::function<void()> onTextButtonTapped = {}, QObject *parent = nullptr);

    /// The usual error alert: "ОК" and the failure's reason, presented over the whole window.
    static void show(ViewController *on, const QString &message);

    QUrl viewSource() const override { return qmlView("ui/AlertErrorView.qml"); }

    QString heading() const { return tr("Ой!"); }
    QString message() const { return m_message; }
    void setMessage(const QString &message);
    QString actionTitle() const { return m_actionTitle; }
    bool shouldShowTextButton() const { return m_showTextButton; }
    QString textButtonTitle() const { return tr("Все равно продолжить"); }

    Q_INVOKABLE void actionButtonTapped();
    Q_INVOKABLE void textButtonTapped();
    Q_INVOKABLE void returnPressed() { actionButtonTapped(); }
    Q_INVOKABLE void escapePressed() { actionButtonTapped(); }
    bool handleKey(KeyCommand command) override {
        return runKeyAction(command, {{KeyCommand::Return, [this] { returnPressed(); }},
                                      {KeyCommand::Escape, [this] { escapePressed(); }}});
    }

Q_SIGNALS:
    void messageChanged();

private:
    QString m_actionTitle;
    QString m_message;
    bool m_showTextButton;
    std::function<void()> m_onTextButtonTapped;
};
