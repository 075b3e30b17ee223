// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/KeyActions.h"
#include "ui/ViewController.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

#include <functional>

// A small modal question in the desktop's own manner: a title, an optional message, an optional
// text field and a row of actions. Any action closes the alert first, then runs its handler with
// the field's text.
class AccountAlertVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(QString heading READ heading CONSTANT)
    Q_PROPERTY(QString message READ message CONSTANT)
    Q_PROPERTY(bool hasTextField READ hasTextField CONSTANT)
    Q_PROPERTY(QString placeholder READ placeholder CONSTANT)
    Q_PROPERTY(QString fieldText READ fieldText WRITE setFieldText NOTIFY fieldTextChanged)
    Q_PROPERTY(QStringList actionTitles READ actionTitles CONSTANT)
    Q_PROPERTY(QVariantList actionStyles READ actionStyles CONSTANT)

public:
    enum ActionStyle { Default, Cancel, Destructive };
    Q_ENUM(ActionStyle)

    struct Action {
        QString title;
        ActionStyle style = Default;
        std::function<void(const QString &fieldText)> handler;
    };

    AccountAlertVC(QString heading, QString message, QList<Action> actions,
                   QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("account/AccountAlertView.qml"); }

    /// The untitled question before a photo is deleted: "Удалить", then "Отмена".
    [[nodiscard]] static AccountAlertVC *photoDeletion(std::function<void()> remove);

    /// Adds the single text field, empty, showing `placeholder` until something is typed.
    void addTextField(const QString &placeholder);

    QString heading() const { return m_heading; }
    QString message() const { return m_message; }
    bool hasTextField() const { return m_hasTextField; }
    QString placeholder() const { return m_placeholder; }
    QString fieldText() const { return m_fieldText; }
    void setFieldText(const QString &text);
    QStringList actionTitles() const;
    QVariantList actionStyles() const;

    /// Closes the alert and runs the action's handler; an index out of range does nothing.
    Q_INVOKABLE void actionTapped(int index);
    /// Return picks the first plain action; where the only choice is destructive, the cancel.
    Q_INVOKABLE void returnPressed();
    /// Escape picks the cancel action, when there is one.
    Q_INVOKABLE void escapePressed();
    bool handleKey(KeyCommand command) override {
        return runKeyAction(command, {{KeyCommand::Return, [this] { returnPressed(); }},
                                      {KeyCommand::Escape, [this] { escapePressed(); }}});
    }

Q_SIGNALS:
    void fieldTextChanged();

private:
    [[nodiscard]] int firstIndex(ActionStyle style) const;

    QString m_heading;
    QString m_message;
    QList<Action> m_actions;
    bool m_hasTextField = false;
    QString m_placeholder;
    QString m_fieldText;
};
