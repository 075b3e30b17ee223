// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/KeyActions.h"
#include "ui/ViewController.h"

// The overlay that blocks the application for the rest of the process: a message and, unless
// hidden, "Обновить", which opens the service's web address. Nothing dismisses it.
class AlertBlockVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(bool hideButton READ hideButton CONSTANT)
    Q_PROPERTY(QString message READ message WRITE setMessage NOTIFY messageChanged)
    Q_PROPERTY(QString actionTitle READ actionTitle CONSTANT)

public:
    AlertBlockVC(bool hideButton, Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("ui/AlertBlockView.qml"); }

    bool hideButton() const { return m_hideButton; }
    QString message() const { return m_message; }
    void setMessage(const QString &message);
    QString actionTitle() const { return tr("Обновить"); }

    /// "Обновить" and the Return key alike, whether or not the button shows: opens the
    /// service's web address.
    Q_INVOKABLE void actionButtonTapped();
    Q_INVOKABLE void returnPressed() { actionButtonTapped(); }
    bool handleKey(KeyCommand command) override {
        return runKeyAction(command, {{KeyCommand::Return, [this] { returnPressed(); }}});
    }

Q_SIGNALS:
    void messageChanged();

private:
    bool m_hideButton;
    QString m_message;
};
