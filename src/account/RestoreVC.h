// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/KeyActions.h"
#include "ui/ViewController.h"

// Where a deleted or blocked account lands: what happened, and "Восстановить".
class RestoreVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    Q_PROPERTY(QString message READ message CONSTANT)
    Q_PROPERTY(QString restoreTitle READ restoreTitle CONSTANT)

public:
    explicit RestoreVC(Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("account/RestoreView.qml"); }

    bool navigationBarHidden() const override { return true; }
    /// The screens that asked for a location or for notifications are gone with the account;
    /// their questions wait for them to come back instead of hiding this screen and its keys.
    bool hostsQuestions() const override { return false; }

    bool busy() const { return m_busy; }
    QString message() const;
    QString restoreTitle() const { return tr("Восстановить"); }

    /// Asks the service to restore the account; success switches to the main tab screen.
    Q_INVOKABLE void loginButtonTapped();
    Q_INVOKABLE void returnPressed() { loginButtonTapped(); }
    bool handleKey(KeyCommand command) override {
        return runKeyAction(command, {{KeyCommand::Return, [this] { returnPressed(); }}});
    }

Q_SIGNALS:
    void busyChanged();

private:
    void setBusy(bool busy);

    bool m_busy = false;
};
